// The entity kinds the database holds, one row each: how a record's subclass groups become
// geometry and back. A kind without a row is kept verbatim; a new kind is one more row.
#pragma once

#include <string_view>
#include <vector>

#include "db/records.h"
#include "dxf/groups.h"

namespace vexa::sim::dxf {

struct EntityKind {
    std::string_view type;  // the record's 0 group
    // False when the record holds what the database cannot; throws DxfError for a broken record.
    bool (*read)(const Record& record, db::Geometry& geometry);
    // The groups after the common entity groups, subclass markers included.
    void (*write)(const db::Geometry& geometry, Record& record);
};

const EntityKind* entityKindOf(std::string_view type);

// Groups of points and text shared by the kinds' rows.
db::Point3 readPoint(const Record& record, int code);
// Every point of a repeated group (x at code, y at code + 10, z at code + 20), in order.
std::vector<db::Point3> readPoints(const Record& record, int code);
// A count a record announces must match what it holds: a broken file, not a long list.
void checkCount(const Record& record, int code, std::size_t found, std::string_view what);
void writePoint(Record& record, int code, const db::Point3& point, bool planar = false);
void writeReal(Record& record, int code, double value);
void writeInteger(Record& record, int code, long long value);
void writeString(Record& record, int code, std::string value);

}  // namespace vexa::sim::dxf

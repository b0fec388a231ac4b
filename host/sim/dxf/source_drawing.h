// What a drawing opened from a DXF file keeps of that file, so that saving writes back all
// the database does not hold: unknown sections, tables, entities and groups.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "db/records.h"
#include "dxf/dxf_file.h"

namespace vexa::sim::dxf {

// A record as read, with the fingerprint of what the database wrote of it right after reading.
struct KeptRecord {
    Record original;
    std::uint64_t fingerprint = 0;
};

// One place in a table or in the entities, in file order: a database object (its kept records
// in `SourceDrawing::kept`) or records the database does not hold, written back verbatim.
struct Slot {
    db::ObjectId id = db::kNullId;
    std::vector<Record> verbatim;
};

struct SourceDrawing {
    // Every section as read; the entries of the layer and linetype tables and the entities are
    // taken out into the slots below and written back from them.
    DxfFile file;
    bool fromFile = false;  // false: the new-drawing skeleton
    bool codePage = true;  // text in Windows-1252, as files before R2007 have it
    std::vector<Slot> linetypes;
    std::vector<Slot> layers;
    std::vector<Slot> entities;
    std::map<db::ObjectId, KeptRecord> kept;
    std::map<db::ObjectId, Record> sequenceEnds;  // a block reference's SEQEND after its attributes
    std::map<db::ObjectId, std::string> handles;  // database id to the handle in the file
    unsigned long long nextHandle = 1;
    std::string modelSpaceHandle;
    std::string layerTableHandle;
    std::string linetypeTableHandle;

    // The object's handle in the file; an object new to the file takes the next free one.
    const std::string& handleOf(db::ObjectId id);
    // A handle for a record the database does not hold (a SEQEND, an empty block).
    std::string newHandle() { return hexHandle(nextHandle++); }
    static std::string hexHandle(unsigned long long value);
};

}  // namespace vexa::sim::dxf

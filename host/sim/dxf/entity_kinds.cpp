#include "dxf/entity_kinds.h"

#include <numbers>

#include "dxf/entity_rows.h"
#include "dxf/dxf_error.h"
#include "dxf/text_codec.h"

namespace vexa::sim::dxf {

namespace {

using namespace db;

constexpr double kDegrees = 180.0 / std::numbers::pi;

bool readLine(const Record& record, Geometry& geometry) {
    geometry = LineGeometry{readPoint(record, 10), readPoint(record, 11)};
    return true;
}
void writeLine(const Geometry& geometry, Record& record) {
    const auto& line = std::get<LineGeometry>(geometry);
    writeString(record, 100, "AcDbLine");
    writePoint(record, 10, line.start);
    writePoint(record, 11, line.end);
}

// A circle's and an arc's first subclass: centre and radius, which must be positive.
bool readCircleGroups(const Record& record, Point3& center, double& radius) {
    center = readPoint(record, 10);
    radius = realValue(record, 40, 1.0);
    return radius > 0.0;
}
void writeCircleGroups(Record& record, const Point3& center, double radius) {
    writeString(record, 100, "AcDbCircle");
    writePoint(record, 10, center);
    writeReal(record, 40, radius);
}

bool readCircle(const Record& record, Geometry& geometry) {
    CircleGeometry circle;
    if (!readCircleGroups(record, circle.center, circle.radius)) return false;
    geometry = circle;
    return true;
}
void writeCircle(const Geometry& geometry, Record& record) {
    const auto& circle = std::get<CircleGeometry>(geometry);
    writeCircleGroups(record, circle.center, circle.radius);
}

bool readArc(const Record& record, Geometry& geometry) {
    ArcGeometry arc;
    if (!readCircleGroups(record, arc.center, arc.radius)) return false;
    arc.startAngle = realValue(record, 50, 0.0) / kDegrees;
    arc.endAngle = realValue(record, 51, 0.0) / kDegrees;
    geometry = arc;
    return true;
}
void writeArc(const Geometry& geometry, Record& record) {
    const auto& arc = std::get<ArcGeometry>(geometry);
    writeCircleGroups(record, arc.center, arc.radius);
    writeString(record, 100, "AcDbArc");
    writeReal(record, 50, arc.startAngle * kDegrees);
    writeReal(record, 51, arc.endAngle * kDegrees);
}

bool readPolyline(const Record& record, Geometry& geometry) {
    PolylineGeometry polyline;
    polyline.closed = (integerValue(record, 70, 0) & 1) != 0;
    polyline.vertices = readPoints(record, 10);
    checkCount(record, 90, polyline.vertices.size(), "vertices");
    geometry = std::move(polyline);
    return true;
}
void writePolyline(const Geometry& geometry, Record& record) {
    const auto& polyline = std::get<PolylineGeometry>(geometry);
    writeString(record, 100, "AcDbPolyline");
    writeInteger(record, 90, static_cast<long long>(polyline.vertices.size()));
    writeInteger(record, 70, polyline.closed ? 1 : 0);
    for (const Point3& vertex : polyline.vertices) writePoint(record, 10, vertex, true);
}

bool readBlockReference(const Record& record, Geometry& geometry) {
    const Group* name = findGroup(record, 2);
    if (name == nullptr || name->value.empty()) return false;
    geometry = BlockReferenceGeometry{readPoint(record, 10), decodeText(name->value)};
    return true;
}
void writeBlockReference(const Geometry& geometry, Record& record) {
    const auto& reference = std::get<BlockReferenceGeometry>(geometry);
    writeString(record, 100, "AcDbBlockReference");
    writeString(record, 2, encodeText(reference.block));
    writePoint(record, 10, reference.position);
}

constexpr EntityKind kKinds[] = {
    {"LINE", readLine, writeLine},
    {"CIRCLE", readCircle, writeCircle},
    {"ARC", readArc, writeArc},
    {"LWPOLYLINE", readPolyline, writePolyline},
    {"INSERT", readBlockReference, writeBlockReference},
};

}  // namespace

const EntityKind* entityKindOf(std::string_view type) {
    for (const std::span<const EntityKind> rows : {std::span<const EntityKind>(kKinds), textKinds(), curveKinds(), annotationKinds()}) {
        for (const EntityKind& kind : rows) {
            if (kind.type == type) return &kind;
        }
    }
    return nullptr;
}

Point3 readPoint(const Record& record, int code) {
    return {realValue(record, code, 0.0), realValue(record, code + 10, 0.0), realValue(record, code + 20, 0.0)};
}

std::vector<Point3> readPoints(const Record& record, int code) {
    std::vector<Point3> points;
    for (const Group& group : record) {
        const double value = group.code == code || group.code == code + 10 || group.code == code + 20
                                 ? realValue(group).value_or(0.0)
                                 : 0.0;
        if (group.code == code) points.push_back({value, 0.0, 0.0});
        else if (group.code == code + 10 && !points.empty()) points.back().y = value;
        else if (group.code == code + 20 && !points.empty()) points.back().z = value;
    }
    return points;
}

void checkCount(const Record& record, int code, std::size_t found, std::string_view what) {
    const Group* count = findGroup(record, code);
    if (count == nullptr || integerValue(*count).value_or(-1) == static_cast<long long>(found)) return;
    throw DxfError(count->line, std::string(stringValue(record, 0)) + " announces " + count->value + " " +
                                    std::string(what) + " but has " + std::to_string(found));
}

void writePoint(Record& record, int code, const Point3& point, bool planar) {
    writeReal(record, code, point.x);
    writeReal(record, code + 10, point.y);
    if (!planar) writeReal(record, code + 20, point.z);
}

void writeReal(Record& record, int code, double value) { record.push_back({code, formatReal(value), 0}); }
void writeInteger(Record& record, int code, long long value) { record.push_back({code, std::to_string(value), 0}); }
void writeString(Record& record, int code, std::string value) { record.push_back({code, std::move(value), 0}); }

}  // namespace vexa::sim::dxf

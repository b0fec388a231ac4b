#include "dxf/entity_rows.h"

#include <algorithm>
#include <numbers>
#include <type_traits>

#include "dxf/text_codec.h"

namespace vexa::sim::dxf {

namespace {

using namespace db;

constexpr double kDegrees = 180.0 / std::numbers::pi;
using namespace dimension_dxf;

// Only rotated and aligned dimensions are held; the other types are kept as read.
bool readDimension(const Record& record, Geometry& geometry) {
    const long long flags = integerValue(record, 70, 0);
    if ((flags & kTypeMask) > kAligned) return false;
    DimensionGeometry dimension;
    dimension.aligned = (flags & kTypeMask) == kAligned;
    dimension.userTextPosition = (flags & kUserTextPosition) != 0;
    dimension.dimLine = readPoint(record, 10);
    dimension.textPosition = readPoint(record, 11);
    dimension.xLine1 = readPoint(record, 13);
    dimension.xLine2 = readPoint(record, 14);
    if (!dimension.aligned) dimension.rotation = realValue(record, 50, 0.0) / kDegrees;
    geometry = dimension;
    return true;
}

// Group 3, the style's name, is filled in by nameAnnotationStyle, which knows the drawing's styles.
void writeDimension(const Geometry& geometry, Record& record) {
    const auto& dimension = std::get<DimensionGeometry>(geometry);
    writeString(record, 100, "AcDbDimension");
    writePoint(record, 10, dimension.dimLine);
    writePoint(record, 11, dimension.textPosition);
    writeInteger(record, 70, kOwnBlock | (dimension.aligned ? kAligned : 0) |
                                 (dimension.userTextPosition ? kUserTextPosition : 0));
    writeString(record, 3, "");
    writeString(record, 100, "AcDbAlignedDimension");
    writePoint(record, 13, dimension.xLine1);
    writePoint(record, 14, dimension.xLine2);
    if (dimension.aligned) return;
    writeReal(record, 50, dimension.rotation * kDegrees);
    writeString(record, 100, "AcDbRotatedDimension");
}

bool readLeader(const Record& record, Geometry& geometry) {
    LeaderGeometry leader;
    leader.vertices = readPoints(record, 10);
    checkCount(record, 76, leader.vertices.size(), "vertices");
    if (leader.vertices.size() < 2) return false;
    geometry = std::move(leader);
    return true;
}

void writeLeader(const Geometry& geometry, Record& record) {
    const auto& leader = std::get<LeaderGeometry>(geometry);
    writeString(record, 100, "AcDbLeader");
    writeString(record, 3, "");
    writeInteger(record, 71, 1);  // with an arrow
    writeInteger(record, 72, 0);  // straight segments
    writeInteger(record, 73, 3);  // no annotation
    writeInteger(record, 76, static_cast<long long>(leader.vertices.size()));
    for (const Point3& vertex : leader.vertices) writePoint(record, 10, vertex);
}

// The first groups of the context data: the overall scale (40), where the text sits (10) and its
// height (41).
bool readMLeader(const Record& record, Geometry& geometry) {
    MLeaderGeometry leader{readPoint(record, 10), realValue(record, 40, 1.0), realValue(record, 41, 2.5)};
    if (!(leader.scale > 0.0) || !(leader.textHeight > 0.0)) return false;
    geometry = leader;
    return true;
}

void writeMLeader(const Geometry& geometry, Record& record) {
    const auto& leader = std::get<MLeaderGeometry>(geometry);
    writeString(record, 100, "AcDbMLeader");
    writeInteger(record, 270, 2);
    writeString(record, 300, "CONTEXT_DATA{");
    writeReal(record, 40, leader.scale);
    writePoint(record, 10, leader.position);
    writeReal(record, 41, leader.textHeight);
    writeString(record, 301, "}");
}

constexpr EntityKind kAnnotationKinds[] = {
    {"DIMENSION", readDimension, writeDimension},
    {"LEADER", readLeader, writeLeader},
    {"MULTILEADER", readMLeader, writeMLeader},
};

// A dimension's or a leader's style fields (a leader has no text height of its own); all null
// for other kinds.
template <class AnyGeometry>
auto styleFieldsOf(AnyGeometry& geometry) {
    using Id = std::conditional_t<std::is_const_v<AnyGeometry>, const ObjectId, ObjectId>;
    using Scale = std::conditional_t<std::is_const_v<AnyGeometry>, const std::optional<double>, std::optional<double>>;
    struct Found {
        Id* style = nullptr;
        Scale* scale = nullptr;
        Scale* textHeight = nullptr;
    };
    if (auto* dimension = std::get_if<DimensionGeometry>(&geometry)) {
        return Found{&dimension->style, &dimension->scale, &dimension->textHeight};
    }
    if (auto* leader = std::get_if<LeaderGeometry>(&geometry)) return Found{&leader->style, &leader->scale, nullptr};
    return Found{};
}

// The variables of the "ACAD" application's DSTYLE data: (1070 code) then (1040 value) pairs.
template <class Fields>
void readOverrides(const Record& record, const Fields& fields) {
    auto at = std::find_if(record.begin(), record.end(), [](const Group& g) { return g.code == 1001 && g.value == "ACAD"; });
    while (at != record.end() && !(at->code == 1000 && at->value == "DSTYLE")) ++at;
    for (; at != record.end() && at + 1 != record.end(); ++at) {
        if (at->code == 1002 && at->value == "}") return;
        if (at->code != 1070) continue;
        const std::optional<long long> code = integerValue(*at);
        const std::optional<double> value = realValue(*(at + 1));
        if (!code || !value) continue;
        if (*code == kDimscale && *value >= 0.0) *fields.scale = *value;
        if (*code == kDimtxt && *value > 0.0 && fields.textHeight != nullptr) *fields.textHeight = *value;
    }
}

}  // namespace

std::span<const EntityKind> annotationKinds() { return kAnnotationKinds; }

void readAnnotationStyle(const Record& record, const db::Database& database, db::Geometry& geometry) {
    const auto fields = styleFieldsOf(geometry);
    if (fields.style == nullptr) return;
    const DimStyle* style = database.dimStyles().find(decodeText(stringValue(record, 3)));
    *fields.style = style != nullptr ? style->id : database.currentDimStyle().id;
    readOverrides(record, fields);
}

void writeAnnotationStyle(const db::Geometry& geometry, const db::Database& database, Record& record) {
    const auto fields = styleFieldsOf(geometry);
    if (fields.style == nullptr) return;
    const DimStyle* style = database.dimStyles().findById(*fields.style);
    for (Group& group : record) {
        if (group.code == 3) group.value = encodeText(style != nullptr ? style->name : database.currentDimStyle().name);
    }
    const bool textHeight = fields.textHeight != nullptr && fields.textHeight->has_value();
    if (!fields.scale->has_value() && !textHeight) return;
    writeString(record, 1001, "ACAD");
    writeString(record, 1000, "DSTYLE");
    writeString(record, 1002, "{");
    if (fields.scale->has_value()) {
        writeInteger(record, 1070, kDimscale);
        writeReal(record, 1040, **fields.scale);
    }
    if (textHeight) {
        writeInteger(record, 1070, kDimtxt);
        writeReal(record, 1040, **fields.textHeight);
    }
    writeString(record, 1002, "}");
}

}  // namespace vexa::sim::dxf

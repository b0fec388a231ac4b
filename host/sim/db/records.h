// The records of the drawing database: symbol-table records and model-space entities.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vexa::sim::solids {
class Body;  // a B-rep shape, kept by the modeller (sim/solids); the database only holds it
}

namespace vexa::sim::db {

// Unique within one database and rising with creation, so id order is creation order.
using ObjectId = std::int64_t;
constexpr ObjectId kNullId = 0;

constexpr short kColorByBlock = 0;
constexpr short kColorByLayer = 256;

struct Layer {
    ObjectId id = kNullId;
    std::wstring name;
    short colorIndex = 7;                    // 1..255
    std::optional<std::uint32_t> trueColor;  // 0xRRGGBB; the index is then the nearest one shown
    ObjectId linetype = kNullId;
    bool off = false;
    bool frozen = false;
    bool locked = false;
};

struct Linetype {
    ObjectId id = kNullId;
    std::wstring name;
    std::wstring description;
    std::vector<double> dashes;  // dash > 0, gap < 0, dot 0
};

// A render material of the drawing's material dictionary; opacity is a fraction 0.0 to 1.0.
struct Material {
    ObjectId id = kNullId;
    std::wstring name;
    double opacity = 1.0;
};

// A dimension style: the text height (DIMTXT) and the overall scale (DIMSCALE) its dimensions take.
struct DimStyle {
    ObjectId id = kNullId;
    std::wstring name;
    double textHeight = 2.5;
    double scale = 1.0;
};

// A dictionary of named objects, in the order the entries were added.
struct Dictionary {
    ObjectId id = kNullId;
    std::vector<std::pair<std::wstring, ObjectId>> entries;
};

struct Point3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    friend bool operator==(const Point3&, const Point3&) = default;
};

struct LineGeometry {
    Point3 start;
    Point3 end;
};
struct CircleGeometry {
    Point3 center;
    double radius = 1.0;
};
struct ArcGeometry {
    Point3 center;
    double radius = 1.0;
    double startAngle = 0.0;  // radians
    double endAngle = 0.0;
};
struct PolylineGeometry {
    std::vector<Point3> vertices;  // z unused: a lightweight polyline is planar
    bool closed = false;
};
struct TextGeometry {
    Point3 position;
    double height = 2.5;
    double rotation = 0.0;
    std::wstring text;
};
struct MTextGeometry {
    Point3 position;  // the top left corner
    double height = 2.5;
    double width = 0.0;  // 0: no wrapping
    std::wstring contents;
};
struct AttributeDefinitionGeometry {
    TextGeometry text;  // the default value
    std::wstring tag;
    std::wstring prompt;
};
// Block definitions are not kept: a reference shows only its attributes.
struct BlockReferenceGeometry {
    Point3 position;
    std::wstring block;
};
// An attribute of a block reference: a sub-entity that follows its reference and is never
// selected on its own.
struct AttributeGeometry {
    ObjectId owner = kNullId;
    TextGeometry text;
    std::wstring tag;
};

struct EllipseGeometry {
    Point3 center;
    Point3 normal{0.0, 0.0, 1.0};
    Point3 majorAxis{1.0, 0.0, 0.0};  // from the center to the end of the major axis
    double radiusRatio = 1.0;
    double startParameter = 0.0;  // radians
    double endParameter = 0.0;
};
struct SplineGeometry {
    int degree = 3;
    std::vector<Point3> controlPoints;
    std::vector<double> knots;
    std::vector<double> weights;  // empty when not rational
};
struct SolidGeometry {
    std::shared_ptr<const solids::Body> body;
    Point3 low;  // the body's bounding box, for picking without the modeller
    Point3 high;
};

// A rotated or an aligned dimension: the measured points, a point on the dimension line, the
// text's middle, and the style variables it overrides (DIMSCALE, DIMTXT).
struct DimensionGeometry {
    bool aligned = false;    // else rotated
    Point3 xLine1;           // the measured points
    Point3 xLine2;
    Point3 dimLine;          // on the dimension line
    Point3 textPosition;
    double rotation = 0.0;   // radians; rotated dimensions only
    bool userTextPosition = false;  // the text stays where it was set
    ObjectId style = kNullId;
    std::optional<double> scale;
    std::optional<double> textHeight;
};
// A dimension in DXF, as entget and the drawing files spell it: group 70 holds the type in its low
// bits (0 rotated, 1 aligned), 32 for a block of its own and 128 for text where the user set it;
// the DSTYLE override data names the variables by their group codes.
namespace dimension_dxf {
constexpr int kTypeMask = 0x7;
constexpr int kAligned = 1;
constexpr int kOwnBlock = 32;
constexpr int kUserTextPosition = 128;
constexpr int kDimscale = 40;
constexpr int kDimtxt = 140;
}  // namespace dimension_dxf

struct LeaderGeometry {
    std::vector<Point3> vertices;
    ObjectId style = kNullId;
    std::optional<double> scale;  // the DIMSCALE override
};
// A multileader as far as its size goes: where its text sits, the overall scale, the text height.
struct MLeaderGeometry {
    Point3 position;
    double scale = 1.0;
    double textHeight = 2.5;
};

// Order matches entityTypeNames in database.cpp.
using Geometry = std::variant<LineGeometry, CircleGeometry, ArcGeometry, PolylineGeometry, TextGeometry,
                              EllipseGeometry, SplineGeometry, SolidGeometry, MTextGeometry,
                              AttributeDefinitionGeometry, BlockReferenceGeometry, AttributeGeometry,
                              DimensionGeometry, LeaderGeometry, MLeaderGeometry>;

struct Entity {
    ObjectId id = kNullId;
    ObjectId layer = kNullId;
    short color = kColorByLayer;  // 0 ByBlock, 1..255, 256 ByLayer
    ObjectId linetype = kNullId;
    bool erased = false;
    Geometry geometry;
    bool visible = true;  // an invisible entity is not drawn, picked or selected
};

// The DXF name of an entity's type: "LINE", "CIRCLE", "ARC", "LWPOLYLINE", "TEXT", "ELLIPSE",
// "SPLINE", "3DSOLID", "MTEXT", "ATTDEF", "INSERT", "ATTRIB", "DIMENSION", "LEADER", "MULTILEADER".
const wchar_t* entityTypeName(const Geometry& geometry);

// The block reference an attribute belongs to; kNullId for an entity of model space itself.
inline ObjectId ownerOfSubEntity(const Entity& entity) {
    const auto* attribute = std::get_if<AttributeGeometry>(&entity.geometry);
    return attribute != nullptr ? attribute->owner : kNullId;
}

}  // namespace vexa::sim::db

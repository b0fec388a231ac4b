#include "monitors/draw_context.h"

#include <algorithm>
#include <cwchar>

#include "db/database.h"
#include "sim/host.h"

namespace vexa::sim::monitors {

namespace {

db::Point3 fromPoint(const AcGePoint3d& p) { return {p.x, p.y, p.z}; }
db::Point3 fromVector(const AcGeVector3d& v) { return {v.x, v.y, v.z}; }

std::vector<db::Point3> fromPoints(std::uint32_t count, const AcGePoint3d* vertices) {
    std::vector<db::Point3> points;
    for (std::uint32_t i = 0; i < count; ++i) points.push_back(fromPoint(vertices[i]));
    return points;
}

// A vertex count with no vertices behind it would make the host read freed or foreign memory.
bool badVertices(std::uint32_t count, const AcGePoint3d* vertices) {
    if (vertices != nullptr || count == 0) return false;
    if (Host* host = Host::current()) host->audit().record(L"a monitor drew " + std::to_wstring(count) + L" vertices from a null list");
    return true;
}

}  // namespace

void DrawContext::setColor(std::uint16_t color) { color_ = color; }

void DrawContext::setLineType(AcDbObjectId linetype) {
    const auto* database = static_cast<const db::Database*>(linetype.database());
    const db::Linetype* record = database ? database->linetypes().findById(linetype.asOldId()) : nullptr;
    linetype_ = record ? record->name : std::wstring();
}

Primitive DrawContext::withTraits(Primitive::Shape shape) const {
    Primitive primitive;
    primitive.shape = shape;
    primitive.color = color_;
    primitive.linetype = linetype_;
    return primitive;
}

bool DrawContext::circle(const AcGePoint3d& center, double radius, const AcGeVector3d& normal) const {
    Primitive primitive = withTraits(Primitive::Shape::Circle);
    primitive.points = {fromPoint(center)};
    primitive.radius = radius;
    primitive.normal = fromVector(normal);
    draw(std::move(primitive));
    return false;
}

bool DrawContext::polyline(std::uint32_t count, const AcGePoint3d* vertices, const AcGeVector3d* normal,
                           std::intptr_t) const {
    if (badVertices(count, vertices)) return false;
    Primitive primitive = withTraits(Primitive::Shape::Polyline);
    primitive.points = fromPoints(count, vertices);
    if (normal != nullptr) primitive.normal = fromVector(*normal);
    draw(std::move(primitive));
    return false;
}

bool DrawContext::polygon(std::uint32_t count, const AcGePoint3d* vertices) const {
    if (badVertices(count, vertices)) return false;
    Primitive primitive = withTraits(Primitive::Shape::Polygon);
    primitive.points = fromPoints(count, vertices);
    draw(std::move(primitive));
    return false;
}

bool DrawContext::text(const AcGePoint3d& position, const AcGeVector3d& normal, const AcGeVector3d& direction,
                       const ACHAR* message, std::int32_t length, bool, const AcGiTextStyle& style) const {
    if (message == nullptr) return false;
    Primitive primitive = withTraits(Primitive::Shape::Text);
    primitive.points = {fromPoint(position)};
    primitive.height = style.textSize();
    primitive.normal = fromVector(normal);
    primitive.direction = fromVector(direction);
    const std::size_t whole = std::wcslen(message);
    primitive.text.assign(message, length < 0 ? whole : std::min(whole, static_cast<std::size_t>(length)));
    draw(std::move(primitive));
    return false;
}

}  // namespace vexa::sim::monitors

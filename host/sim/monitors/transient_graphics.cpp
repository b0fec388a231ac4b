#include "monitors/transient_graphics.h"

#include "db/database.h"
#include "lisp/printer.h"

namespace vexa::sim::monitors {

namespace {

std::wstring point(const db::Point3& p) {
    return L"(" + lisp::formatReal(p.x) + L" " + lisp::formatReal(p.y) + L" " + lisp::formatReal(p.z) + L")";
}

std::wstring points(const std::vector<db::Point3>& list) {
    std::wstring out;
    for (const db::Point3& p : list) out += L" " + point(p);
    return out;
}

std::wstring quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

std::wstring normalOf(const Primitive& primitive) {
    return primitive.normal ? L" normal " + point(*primitive.normal) : std::wstring();
}

std::wstring describe(const Primitive& primitive) {
    const std::wstring traits =
        std::to_wstring(primitive.color) + L" " + (primitive.linetype.empty() ? L"BYLAYER" : primitive.linetype);
    switch (primitive.shape) {
        case Primitive::Shape::Circle:
            return L"circle " + traits + points(primitive.points) + L" " + lisp::formatReal(primitive.radius) +
                   normalOf(primitive);
        case Primitive::Shape::Polyline: return L"polyline " + traits + points(primitive.points) + normalOf(primitive);
        case Primitive::Shape::Polygon: return L"polygon " + traits + points(primitive.points);
        case Primitive::Shape::Text:
            return L"text " + traits + L" " + quoted(primitive.text) + L" at" + points(primitive.points) + L" height " +
                   lisp::formatReal(primitive.height) + L" direction " + point(primitive.direction) + normalOf(primitive);
    }
    return {};
}

}  // namespace

std::wstring GraphicsLog::describe(const CursorFrame& frame) {
    std::wstring out = L"cursor " + point(frame.cursor);
    if (frame.pointComputed) out += L" computed";
    if (frame.forcedPick) out += L" forced-pick";
    if (!frame.hostCursorGraphics) out += L" host-cursor-off";
    out += L"\n";
    if (!frame.picked.empty()) {
        out += L"  picked";
        for (db::ObjectId id : frame.picked) out += L" " + db::Database::handleOf(id);
        out += L"\n";
    }
    for (const Primitive& primitive : frame.graphics) out += L"  " + monitors::describe(primitive) + L"\n";
    if (!frame.tooltip.empty()) out += L"  tooltip " + quoted(frame.tooltip) + L"\n";
    return out;
}

}  // namespace vexa::sim::monitors

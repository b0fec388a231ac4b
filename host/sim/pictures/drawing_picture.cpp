#include "sim/pictures/drawing_picture.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <variant>

#include "db/entity_geometry.h"
#include "sim/host.h"
#include "sim/pictures/aci_colours.h"

namespace vexa::sim::pictures {

namespace {

constexpr Colour kBackground{33, 40, 48};

struct Pen {
    Colour colour;
    std::vector<double> dashes;  // drawing units: dash > 0, gap < 0, dot 0
};

void stroke(cairo_t* cairo, const Pen& pen, double pixelsPerUnit) {
    cairo_set_source_rgb(cairo, pen.colour.red / 255.0, pen.colour.green / 255.0, pen.colour.blue / 255.0);
    std::vector<double> pattern;
    for (double dash : pen.dashes) pattern.push_back(std::max(1.0, std::abs(dash) * pixelsPerUnit));
    cairo_set_dash(cairo, pattern.data(), static_cast<int>(pattern.size()), 0);
    cairo_stroke(cairo);
}

class ViewPainter {
public:
    ViewPainter(Host& host, Canvas& canvas, const editor::Viewport& view) : host_(host), canvas_(canvas), view_(view) {}

    void entity(const db::Entity& entity) {
        const db::Database& database = host_.documents().current()->database();
        const db::Layer* layer = database.layers().findById(entity.layer);
        if (layer != nullptr && (layer->off || layer->frozen)) return;
        const int index = entity.color == db::kColorByLayer ? (layer ? layer->colorIndex : 7) : entity.color == db::kColorByBlock ? 7 : entity.color;
        const db::ObjectId linetypeId = entity.linetype != db::kNullId ? entity.linetype : layer ? layer->linetype : db::kNullId;
        const db::Linetype* linetype = database.linetypes().findById(linetypeId);
        const bool byLayer = linetype != nullptr && (linetype->name == L"BYLAYER" || linetype->name == L"ByLayer");
        if (byLayer && layer != nullptr) linetype = database.linetypes().findById(layer->linetype);
        geometry(entity.geometry, Pen{aciColour(std::abs(index)), linetype ? linetype->dashes : std::vector<double>{}});
    }

    void primitive(const monitors::Primitive& shape) {
        const db::Database& database = host_.documents().current()->database();
        const db::Linetype* linetype = shape.linetype.empty() ? nullptr : database.linetypes().find(shape.linetype);
        const Pen pen{aciColour(shape.color >= 1 && shape.color <= 255 ? shape.color : 7), linetype ? linetype->dashes : std::vector<double>{}};
        cairo_t* cairo = canvas_.cairo();
        using Shape = monitors::Primitive::Shape;
        if (shape.points.empty()) return;
        if (shape.shape == Shape::Circle) {
            circle(shape.points.front(), shape.radius, 0, 2 * M_PI, pen);
        } else if (shape.shape == Shape::Text) {
            text(shape.points.front(), shape.height > 0.0 ? shape.height : 2.5, shape.text, pen.colour);
        } else {
            path(shape.points, shape.shape == Shape::Polygon);
            if (shape.shape == Shape::Polygon) {
                cairo_set_source_rgba(cairo, pen.colour.red / 255.0, pen.colour.green / 255.0, pen.colour.blue / 255.0, 0.35);
                cairo_fill_preserve(cairo);
            }
            stroke(cairo, pen, view_.pixelsPerUnit);
        }
    }

private:
    void point(const db::Point3& p, double& x, double& y) const {
        // Sub-pixel places: the world mapping as Viewport::toPixel makes it, without rounding.
        x = view_.pixels.left + (view_.pixels.right - view_.pixels.left) / 2.0 + (p.x - view_.center.x) * view_.pixelsPerUnit;
        y = view_.pixels.top + (view_.pixels.bottom - view_.pixels.top) / 2.0 - (p.y - view_.center.y) * view_.pixelsPerUnit;
    }
    void path(const std::vector<db::Point3>& points, bool closed) {
        cairo_t* cairo = canvas_.cairo();
        for (std::size_t i = 0; i < points.size(); ++i) {
            double x = 0;
            double y = 0;
            point(points[i], x, y);
            if (i == 0) cairo_move_to(cairo, x, y);
            else cairo_line_to(cairo, x, y);
        }
        if (closed) cairo_close_path(cairo);
    }
    void circle(const db::Point3& centre, double radius, double from, double to, const Pen& pen) {
        double x = 0;
        double y = 0;
        point(centre, x, y);
        cairo_new_sub_path(canvas_.cairo());
        // World angles run anticlockwise; pixel y grows downwards.
        cairo_arc_negative(canvas_.cairo(), x, y, radius * view_.pixelsPerUnit, -from, -to);
        stroke(canvas_.cairo(), pen, view_.pixelsPerUnit);
    }
    void text(const db::Point3& at, double height, const std::wstring& content, Colour colour) {
        double x = 0;
        double y = 0;
        point(at, x, y);
        TextStyle style;
        style.mnemonic = false;
        style.colour = colour;
        const int pixels = std::max(1, static_cast<int>(std::lround(height * view_.pixelsPerUnit)));
        const SIZE size = canvas_.measure(content, style);
        // The dialog font scaled so its line is the text's height; the insertion point is the baseline's start.
        cairo_save(canvas_.cairo());
        const double scale = static_cast<double>(pixels) / std::max<LONG>(1, size.cy);
        cairo_translate(canvas_.cairo(), x, y - pixels);
        cairo_scale(canvas_.cairo(), scale, scale);
        canvas_.text({0, 0, size.cx + 1, size.cy + 1}, content, style);
        cairo_restore(canvas_.cairo());
    }
    void geometry(const db::Geometry& geometry, const Pen& pen) {
        cairo_t* cairo = canvas_.cairo();
        if (const auto* line = std::get_if<db::LineGeometry>(&geometry)) {
            path({line->start, line->end}, false);
            stroke(cairo, pen, view_.pixelsPerUnit);
        } else if (const auto* round = std::get_if<db::CircleGeometry>(&geometry)) {
            circle(round->center, round->radius, 0, 2 * M_PI, pen);
        } else if (const auto* arc = std::get_if<db::ArcGeometry>(&geometry)) {
            const double end = arc->endAngle > arc->startAngle ? arc->endAngle : arc->endAngle + 2 * M_PI;
            circle(arc->center, arc->radius, arc->startAngle, end, pen);
        } else if (const auto* polyline = std::get_if<db::PolylineGeometry>(&geometry)) {
            path(polyline->vertices, false);
            stroke(cairo, pen, view_.pixelsPerUnit);
        } else if (const auto* words = std::get_if<db::TextGeometry>(&geometry)) {
            text(words->position, words->height, words->text, pen.colour);
        } else if (const auto* block = std::get_if<db::MTextGeometry>(&geometry)) {
            text({block->position.x, block->position.y - block->height, 0}, block->height, block->contents, pen.colour);
        } else if (const auto* attribute = std::get_if<db::AttributeGeometry>(&geometry)) {
            text(attribute->text.position, attribute->text.height, attribute->text.text, pen.colour);
        } else if (const auto* definition = std::get_if<db::AttributeDefinitionGeometry>(&geometry)) {
            text(definition->text.position, definition->text.height, definition->tag, pen.colour);
        } else if (std::holds_alternative<db::DimensionGeometry>(geometry) ||
                   std::holds_alternative<db::LeaderGeometry>(geometry) ||
                   std::holds_alternative<db::MLeaderGeometry>(geometry)) {
            // Annotation as the outline the editor picks it by.
            std::vector<db::Point3> points;
            for (const db::Point2& p : db::outlineOf(db::Entity{.geometry = geometry})) points.push_back({p.x, p.y, 0});
            path(points, false);
            stroke(cairo, pen, view_.pixelsPerUnit);
        } else if (const auto* solid = std::get_if<db::SolidGeometry>(&geometry)) {
            // The body's outline from above: its bounding box.
            const db::Point3& a = solid->low;
            const db::Point3& b = solid->high;
            path({a, {b.x, a.y, 0}, b, {a.x, b.y, 0}}, true);
            stroke(cairo, pen, view_.pixelsPerUnit);
        }
    }

    Host& host_;
    Canvas& canvas_;
    const editor::Viewport& view_;
};

}  // namespace

std::unique_ptr<Canvas> drawDrawingView(Host& host, const PictureFonts& fonts) {
    const auto& viewports = host.editor().viewports().all();
    RECT client{0, 0, 1, 1};
    for (const editor::Viewport& view : viewports) {
        client.right = std::max(client.right, view.pixels.right);
        client.bottom = std::max(client.bottom, view.pixels.bottom);
    }
    auto canvas = std::make_unique<Canvas>(fonts, client.right, client.bottom, 8.0);
    canvas->fill(client, kBackground);
    const editor::Viewport* current = host.editor().currentViewport();
    for (const editor::Viewport& view : viewports) {
        cairo_save(canvas->cairo());
        cairo_rectangle(canvas->cairo(), view.pixels.left, view.pixels.top, view.pixels.right - view.pixels.left, view.pixels.bottom - view.pixels.top);
        cairo_clip(canvas->cairo());
        ViewPainter painter(host, *canvas, view);
        const db::Database& database = host.documents().current()->database();
        for (const db::Entity* entity = database.firstEntity(); entity != nullptr; entity = database.entityAfter(entity->id)) {
            if (!entity->erased && entity->visible) painter.entity(*entity);
        }
        const bool isCurrent = current != nullptr && current->number == view.number;
        if (isCurrent && !host.cursor().log().empty()) {
            for (const monitors::Primitive& shape : host.cursor().log().last().graphics) painter.primitive(shape);
        }
        cairo_restore(canvas->cairo());
        // The current viewport has a white frame; the others a grey one.
        canvas->frame(view.pixels, isCurrent ? classic::window : classic::shadow);
    }
    // The tooltip: pale yellow with a black frame, below and right of the cursor.
    if (!host.cursor().log().empty() && current != nullptr && !host.cursor().log().last().tooltip.empty()) {
        const monitors::CursorFrame& frame = host.cursor().log().last();
        const POINT at = current->toPixel({frame.cursor.x, frame.cursor.y});
        TextStyle style;
        style.mnemonic = false;
        style.wrap = true;
        const SIZE size = canvas->measure(frame.tooltip, style, 400);
        const RECT tip{at.x + 16, at.y + 20, at.x + 16 + size.cx + 8, at.y + 20 + size.cy + 4};
        canvas->fill(tip, Colour{255, 255, 225});
        canvas->frame(tip, classic::text);
        canvas->text({tip.left + 4, tip.top + 2, tip.right - 2, tip.bottom}, frame.tooltip, style);
    }
    return canvas;
}

}  // namespace vexa::sim::pictures

#include "sim/pictures/canvas.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "lisp/utf8.h"
#include "sim/pictures/picture_fonts.h"

namespace vexa::sim::pictures {

namespace {

void source(cairo_t* cairo, Colour colour) {
    cairo_set_source_rgb(cairo, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
}

// "&Yes" as pango markup-free text with the underlined key's index; "&&" is one ampersand.
std::string withoutAmpersands(const std::wstring& text, int& underline) {
    std::wstring plain;
    underline = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != L'&' && underline < 0) underline = static_cast<int>(lisp::encodeUtf8(plain).size());
        }
        plain += text[i];
    }
    return lisp::encodeUtf8(plain);
}

}  // namespace

struct Canvas::Layout {
    PangoLayout* layout = nullptr;
    explicit Layout(PangoLayout* made) : layout(made) {}
    Layout(Layout&& other) noexcept : layout(std::exchange(other.layout, nullptr)) {}
    ~Layout() {
        if (layout) g_object_unref(layout);
    }
};

Canvas::Canvas(const PictureFonts& fonts, int width, int height, double fontPoints)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::max(1, width), std::max(1, height))),
      cairo_(cairo_create(surface_)),
      context_(pango_font_map_create_context(fonts.fontMap())) {
    // Windows draws dialogs at 96 dpi with hinted, grey-scale text.
    pango_cairo_context_set_resolution(context_, 96.0);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(context_, options);
    cairo_font_options_destroy(options);
    font_ = pango_font_description_new();
    pango_font_description_set_family(font_, "Tahoma");
    pango_font_description_set_size(font_, static_cast<int>(fontPoints * PANGO_SCALE));
    boldFont_ = pango_font_description_copy(font_);
    pango_font_description_set_weight(boldFont_, PANGO_WEIGHT_BOLD);
    lineHeight_ = std::max(1, static_cast<int>(measure(L"Xg", TextStyle{}).cy));
    cairo_set_line_width(cairo_, 1.0);
    fill({0, 0, width, height}, classic::face);
}

Canvas::~Canvas() {
    pango_font_description_free(boldFont_);
    pango_font_description_free(font_);
    g_object_unref(context_);
    cairo_destroy(cairo_);
    cairo_surface_destroy(surface_);
}

void Canvas::translate(int dx, int dy) { cairo_translate(cairo_, dx, dy); }

void Canvas::fill(const RECT& r, Colour colour) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    source(cairo_, colour);
    cairo_rectangle(cairo_, r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_fill(cairo_);
}

void Canvas::frame(const RECT& r, Colour colour) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    source(cairo_, colour);
    cairo_rectangle(cairo_, r.left + 0.5, r.top + 0.5, r.right - r.left - 1, r.bottom - r.top - 1);
    cairo_stroke(cairo_);
}

void Canvas::line(int x1, int y1, int x2, int y2, Colour colour) {
    // Pixel-exact lines: a one-pixel rectangle along the row or column, the end pixel excluded.
    if (y1 == y2) fill({std::min(x1, x2), y1, std::max(x1, x2), y1 + 1}, colour);
    else if (x1 == x2) fill({x1, std::min(y1, y2), x1 + 1, std::max(y1, y2)}, colour);
    else {
        source(cairo_, colour);
        cairo_move_to(cairo_, x1 + 0.5, y1 + 0.5);
        cairo_line_to(cairo_, x2 + 0.5, y2 + 0.5);
        cairo_stroke(cairo_);
    }
}

namespace {

// One ring of a 3D edge: top and left in one colour, bottom and right in the other.
void ring(Canvas& canvas, const RECT& r, Colour topLeft, Colour bottomRight) {
    canvas.line(r.left, r.top, r.right - 1, r.top, topLeft);
    canvas.line(r.left, r.top, r.left, r.bottom - 1, topLeft);
    canvas.line(r.left, r.bottom - 1, r.right, r.bottom - 1, bottomRight);
    canvas.line(r.right - 1, r.top, r.right - 1, r.bottom, bottomRight);
}

RECT inset(const RECT& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

}  // namespace

void Canvas::raised(const RECT& r) {
    ring(*this, r, classic::light, classic::darkShadow);
    ring(*this, inset(r, 1), classic::highlight, classic::shadow);
}

void Canvas::sunken(const RECT& r) {
    ring(*this, r, classic::shadow, classic::highlight);
    ring(*this, inset(r, 1), classic::darkShadow, classic::light);
}

void Canvas::etched(const RECT& r) {
    ring(*this, r, classic::shadow, classic::highlight);
    ring(*this, inset(r, 1), classic::highlight, classic::shadow);
}

void Canvas::dottedFocus(const RECT& r) {
    for (int x = r.left; x < r.right; x += 2) {
        fill({x, r.top, x + 1, r.top + 1}, classic::text);
        fill({x, r.bottom - 1, x + 1, r.bottom}, classic::text);
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        fill({r.left, y, r.left + 1, y + 1}, classic::text);
        fill({r.right - 1, y, r.right, y + 1}, classic::text);
    }
}

Canvas::Layout Canvas::layout(const std::wstring& text, const TextStyle& style, int width) const {
    Layout made(pango_layout_new(context_));
    int underline = -1;
    const std::string utf8 = style.mnemonic ? withoutAmpersands(text, underline) : lisp::encodeUtf8(text);
    pango_layout_set_text(made.layout, utf8.c_str(), static_cast<int>(utf8.size()));
    pango_layout_set_font_description(made.layout, style.bold ? boldFont_ : font_);
    if (underline >= 0) {
        PangoAttrList* attributes = pango_attr_list_new();
        PangoAttribute* line = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
        line->start_index = static_cast<guint>(underline);
        line->end_index = static_cast<guint>(g_utf8_next_char(utf8.c_str() + underline) - utf8.c_str());
        pango_attr_list_insert(attributes, line);
        pango_layout_set_attributes(made.layout, attributes);
        pango_attr_list_unref(attributes);
    }
    if (style.wrap && width > 0) {
        pango_layout_set_width(made.layout, width * PANGO_SCALE);
        pango_layout_set_wrap(made.layout, PANGO_WRAP_WORD_CHAR);
    }
    const PangoAlignment alignment = style.align == TextStyle::Align::Centre ? PANGO_ALIGN_CENTER
                                     : style.align == TextStyle::Align::Right ? PANGO_ALIGN_RIGHT
                                                                              : PANGO_ALIGN_LEFT;
    pango_layout_set_alignment(made.layout, alignment);
    return made;
}

SIZE Canvas::measure(const std::wstring& text, const TextStyle& style, int width) const {
    const Layout made = layout(text, style, width);
    int w = 0;
    int h = 0;
    pango_layout_get_pixel_size(made.layout, &w, &h);
    return {w, h};
}

bool Canvas::text(const RECT& r, const std::wstring& text, const TextStyle& style) {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (text.empty() || width <= 0 || height <= 0) return true;
    const Layout made = layout(text, style, width);
    int w = 0;
    int h = 0;
    pango_layout_get_pixel_size(made.layout, &w, &h);
    // Unwrapped text is placed by hand: pango aligns only within a set width.
    int x = r.left;
    if (!style.wrap && style.align == TextStyle::Align::Centre) x += (width - w) / 2;
    if (!style.wrap && style.align == TextStyle::Align::Right) x += width - w;
    const int y = style.middle ? r.top + (height - h) / 2 : r.top;
    cairo_save(cairo_);
    cairo_rectangle(cairo_, r.left, r.top, width, height);
    cairo_clip(cairo_);
    source(cairo_, style.colour);
    cairo_move_to(cairo_, x, y);
    pango_cairo_show_layout(cairo_, made.layout);
    cairo_restore(cairo_);
    // A line may lose a pixel or two of its descent to a tight control, as on Windows.
    return w <= width && h <= height + 2;
}

void Canvas::writePng(const std::filesystem::path& file) const {
    cairo_surface_flush(surface_);
    if (cairo_surface_write_to_png(surface_, file.c_str()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write the picture " + file.string());
    }
}

}  // namespace vexa::sim::pictures

// Statics (texts, frames, pictures) and edits.
#include <cairo.h>

#include <algorithm>

#include "sim/pictures/control_painters.h"
#include "sim/pictures/dib_image.h"
#include "sim/user/dialog_layout.h"
#include "win/resource_styles.h"

namespace vexa::sim::pictures {

namespace {

void picture(const PaintJob& job) {
    const int id = win::templateBitmap(job.system, job.window);
    const Window* dialog = job.system.find(job.window.parent);
    if (id == 0 || dialog == nullptr) return;
    const auto bytes = job.system.resources().find(dialog->instance, win::ResourceId::of(win::RT_BITMAP_ID),
                                                   win::ResourceId::of(static_cast<WORD>(id)));
    cairo_surface_t* image = bytes ? decodeDib(*bytes) : nullptr;
    if (image == nullptr) return;
    // A picture control keeps the bitmap's own size at its top left (centred with SS_CENTERIMAGE).
    const int width = cairo_image_surface_get_width(image);
    const int height = cairo_image_surface_get_height(image);
    const bool centre = (job.window.style & SS_CENTERIMAGE) != 0;
    const int x = centre ? (job.bounds.right - width) / 2 : 0;
    const int y = centre ? (job.bounds.bottom - height) / 2 : 0;
    cairo_t* cairo = job.canvas.cairo();
    cairo_save(cairo);
    cairo_rectangle(cairo, 0, 0, job.bounds.right, job.bounds.bottom);
    cairo_clip(cairo);
    cairo_set_source_surface(cairo, image, x, y);
    cairo_paint(cairo);
    cairo_restore(cairo);
    cairo_surface_destroy(image);
}

}  // namespace

void paintStatic(const PaintJob& job) {
    Canvas& canvas = job.canvas;
    const RECT& r = job.bounds;
    switch (job.window.style & SS_TYPEMASK) {
        case SS_BITMAP: picture(job); return;
        case SS_ICON:
        case SS_ENHMETAFILE: return;
        case SS_BLACKRECT: canvas.fill(r, classic::text); return;
        case SS_GRAYRECT: canvas.fill(r, classic::shadow); return;
        case SS_WHITERECT: canvas.fill(r, classic::window); return;
        case SS_BLACKFRAME: canvas.frame(r, classic::text); return;
        case SS_GRAYFRAME: canvas.frame(r, classic::shadow); return;
        case SS_WHITEFRAME: canvas.frame(r, classic::window); return;
        case SS_ETCHEDHORZ:
            canvas.line(0, 0, r.right, 0, classic::shadow);
            canvas.line(0, 1, r.right, 1, classic::highlight);
            return;
        case SS_ETCHEDVERT:
            canvas.line(0, 0, 0, r.bottom, classic::shadow);
            canvas.line(1, 0, 1, r.bottom, classic::highlight);
            return;
        case SS_ETCHEDFRAME: canvas.etched(r); return;
        default: break;
    }
    const DWORD type = job.window.style & SS_TYPEMASK;
    TextStyle style = job.textStyle();
    style.wrap = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
    style.align = type == SS_CENTER ? TextStyle::Align::Centre : type == SS_RIGHT ? TextStyle::Align::Right : TextStyle::Align::Left;
    style.middle = (job.window.style & SS_CENTERIMAGE) != 0;
    style.mnemonic = (job.window.style & SS_NOPREFIX) == 0;
    RECT text = r;
    if (job.window.style & SS_SUNKEN) {
        canvas.line(0, 0, r.right, 0, classic::shadow);
        canvas.line(0, 0, 0, r.bottom, classic::shadow);
        canvas.line(0, r.bottom - 1, r.right, r.bottom - 1, classic::highlight);
        canvas.line(r.right - 1, 0, r.right - 1, r.bottom, classic::highlight);
        text = {1, 1, r.right - 1, r.bottom - 1};
    }
    job.caption(text, job.window.text, style);
}

void paintEdit(const PaintJob& job) {
    Canvas& canvas = job.canvas;
    const Window& window = job.window;
    const bool readOnly = (window.style & ES_READONLY) != 0;
    const bool bordered = (window.style & WS_BORDER) != 0 || (window.exStyle & WS_EX_CLIENTEDGE) != 0;
    RECT inner = job.bounds;
    if (bordered) {
        canvas.sunken(job.bounds);
        inner = {2, 2, job.bounds.right - 2, job.bounds.bottom - 2};
    }
    canvas.fill(inner, job.enabled && !readOnly ? classic::window : classic::face);
    std::wstring text = job.system.text(window.handle);
    if (window.style & ES_PASSWORD) text.assign(text.size(), L'*');
    DWORD low = 0;
    DWORD high = 0;
    job.system.send(window.handle, EM_GETSEL, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    TextStyle style = job.textStyle();
    style.mnemonic = false;
    style.wrap = (window.style & ES_MULTILINE) != 0;
    const RECT area{inner.left + 1, inner.top + 1, inner.right - 1, inner.bottom};
    canvas.text(area, text, style);
    // The selection shows only while the edit has the focus (or keeps it with ES_NOHIDESEL).
    const bool showSelection = job.focused || (window.style & ES_NOHIDESEL);
    if (!showSelection || style.wrap || low >= high || high > text.size()) return;
    const int from = canvas.measure(text.substr(0, low), style).cx;
    const int to = canvas.measure(text.substr(0, high), style).cx;
    const RECT band{area.left + from, area.top, std::min<LONG>(area.left + to, area.right), area.top + canvas.lineHeight()};
    canvas.fill(band, classic::selection);
    TextStyle selected = style;
    selected.colour = classic::selectionText;
    cairo_save(canvas.cairo());
    cairo_rectangle(canvas.cairo(), band.left, band.top, band.right - band.left, band.bottom - band.top);
    cairo_clip(canvas.cairo());
    canvas.text(area, text, selected);
    cairo_restore(canvas.cairo());
}

}  // namespace vexa::sim::pictures

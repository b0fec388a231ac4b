// Push buttons, check boxes, radio buttons and group boxes.
#include <cairo.h>

#include "sim/pictures/control_painters.h"
#include "win/resource_styles.h"

namespace vexa::sim::pictures {

namespace {

constexpr int kBox = 13;  // the check box's and radio button's glyph

void pushButton(const PaintJob& job, bool isDefault) {
    Canvas& canvas = job.canvas;
    RECT r = job.bounds;
    if (isDefault) {
        canvas.frame(r, classic::text);
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    canvas.raised(r);
    const RECT inner{r.left + 3, r.top + 2, r.right - 3, r.bottom - 2};
    TextStyle style = job.textStyle();
    style.align = TextStyle::Align::Centre;
    style.middle = true;
    if (!job.enabled) {
        // Disabled text is embossed: white, then grey one pixel up and left.
        TextStyle emboss = style;
        emboss.colour = classic::highlight;
        canvas.text({inner.left + 1, inner.top + 1, inner.right + 1, inner.bottom + 1}, job.window.text, emboss);
    }
    job.caption(inner, job.window.text, style);
    if (job.focused) canvas.dottedFocus({r.left + 3, r.top + 3, r.right - 3, r.bottom - 3});
}

void checkGlyph(const PaintJob& job, const RECT& box, int state, bool radio) {
    Canvas& canvas = job.canvas;
    cairo_t* cairo = canvas.cairo();
    const Colour well = job.enabled && state != BST_INDETERMINATE ? classic::window : classic::face;
    if (radio) {
        const double cx = box.left + kBox / 2.0;
        const double cy = box.top + kBox / 2.0;
        auto arc = [&](double radius, Colour colour, double from, double to) {
            cairo_set_source_rgb(cairo, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
            cairo_arc(cairo, cx, cy, radius, from, to);
            cairo_stroke(cairo);
        };
        canvas.fill({box.left + 2, box.top + 2, box.right - 2, box.bottom - 2}, well);
        const double pi = 3.14159265358979;
        arc(5.5, classic::shadow, 0.75 * pi, 1.75 * pi);
        arc(5.5, classic::highlight, -0.25 * pi, 0.75 * pi);
        arc(4.5, classic::darkShadow, 0.75 * pi, 1.75 * pi);
        arc(4.5, classic::light, -0.25 * pi, 0.75 * pi);
        cairo_set_source_rgb(cairo, 1, 1, 1);
        cairo_arc(cairo, cx, cy, 3.8, 0, 2 * pi);
        cairo_fill(cairo);
        if (state == BST_CHECKED) {
            const Colour dot = job.enabled ? classic::text : classic::grayText;
            cairo_set_source_rgb(cairo, dot.red / 255.0, dot.green / 255.0, dot.blue / 255.0);
            cairo_arc(cairo, cx, cy, 1.8, 0, 2 * pi);
            cairo_fill(cairo);
        }
        return;
    }
    canvas.sunken(box);
    canvas.fill({box.left + 2, box.top + 2, box.right - 2, box.bottom - 2}, well);
    if (state == BST_UNCHECKED) return;
    // The tick: seven columns, three pixels tall, as the classic glyph draws it.
    const Colour tick = job.enabled && state == BST_CHECKED ? classic::text : classic::grayText;
    static constexpr int rise[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i) {
        const int x = box.left + 3 + i;
        const int y = box.top + 3 + rise[i];
        canvas.fill({x, y, x + 1, y + 3}, tick);
    }
}

void checkable(const PaintJob& job, bool radio) {
    const Window& window = job.window;
    const int state = window.control ? window.control->selection() : 0;
    const int height = job.bounds.bottom;
    const bool leftText = (window.style & BS_LEFTTEXT) != 0;
    const int boxLeft = leftText ? job.bounds.right - kBox : 0;
    const int top = (height - kBox) / 2;
    checkGlyph(job, {boxLeft, top, boxLeft + kBox, top + kBox}, state, radio);
    const RECT text = leftText ? RECT{0, 0, job.bounds.right - kBox - 4, height} : RECT{kBox + 4, 0, job.bounds.right, height};
    TextStyle style = job.textStyle();
    style.middle = true;
    style.wrap = (window.style & BS_MULTILINE) != 0;
    job.caption(text, window.text, style);
    if (job.focused && !window.text.empty()) {
        const SIZE size = job.canvas.measure(window.text, style);
        const int y = (height - size.cy) / 2;
        job.canvas.dottedFocus({text.left - 1, y - 1, std::min<LONG>(text.left + size.cx + 1, text.right), y + size.cy + 1});
    }
}

void groupBox(const PaintJob& job) {
    Canvas& canvas = job.canvas;
    const int half = canvas.lineHeight() / 2;
    canvas.etched({0, half, job.bounds.right, job.bounds.bottom});
    if (job.window.text.empty()) return;
    const TextStyle style = job.textStyle();
    const SIZE size = canvas.measure(job.window.text, style);
    const RECT label{8, 0, std::min<LONG>(8 + size.cx + 4, job.bounds.right - 8), canvas.lineHeight()};
    canvas.fill(label, classic::face);
    job.caption({label.left + 2, 0, job.bounds.right - 8, canvas.lineHeight() + 2}, job.window.text, style);
}

}  // namespace

void paintButton(const PaintJob& job) {
    switch (job.window.style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE: checkable(job, false); return;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: checkable(job, true); return;
        case BS_GROUPBOX: groupBox(job); return;
        default: pushButton(job, (job.window.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON); return;
    }
}

}  // namespace vexa::sim::pictures

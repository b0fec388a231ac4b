#include "sim/pictures/window_picture.h"

#include <cairo.h>

namespace vexa::sim::pictures {

namespace {

void closeBox(Canvas& canvas, const RECT& r) {
    canvas.fill(r, classic::face);
    canvas.raised(r);
    // The × of the classic close box: two diagonals two pixels thick.
    const int x = r.left + 4;
    const int y = r.top + 3;
    for (int i = 0; i < 7; ++i) {
        canvas.fill({x + i, y + i, x + i + 2, y + i + 1}, classic::text);
        canvas.fill({x + 6 - i, y + i, x + 8 - i, y + i + 1}, classic::text);
    }
}

void frameAndCaption(Canvas& canvas, const win::Window& window, const RECT& insets, int width, int height) {
    if (insets.left >= 2) canvas.raised({0, 0, width, height});
    else if (insets.left == 1) canvas.frame({0, 0, width, height}, classic::darkShadow);
    const int border = insets.left;
    const int captionBottom = insets.top - 1;
    if (captionBottom <= border) return;
    // The active caption: a left-to-right gradient, the title in bold white, the close box.
    const RECT bar{border, border, width - border, captionBottom};
    cairo_t* cairo = canvas.cairo();
    cairo_pattern_t* gradient = cairo_pattern_create_linear(bar.left, 0, bar.right, 0);
    const Colour from = classic::activeCaption;
    const Colour to = classic::activeCaptionEnd;
    cairo_pattern_add_color_stop_rgb(gradient, 0, from.red / 255.0, from.green / 255.0, from.blue / 255.0);
    cairo_pattern_add_color_stop_rgb(gradient, 1, to.red / 255.0, to.green / 255.0, to.blue / 255.0);
    cairo_rectangle(cairo, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top);
    cairo_set_source(cairo, gradient);
    cairo_fill(cairo);
    cairo_pattern_destroy(gradient);
    const int boxHeight = bar.bottom - bar.top - 4;
    const RECT box{bar.right - 2 - (boxHeight + 2), bar.top + 2, bar.right - 2, bar.bottom - 2};
    if (window.style & WS_SYSMENU) closeBox(canvas, box);
    TextStyle title;
    title.bold = true;
    title.middle = true;
    title.mnemonic = false;
    title.colour = classic::selectionText;
    canvas.text({bar.left + 3, bar.top, box.left - 2, bar.bottom}, window.text, title);
}

void drawChildren(win::WindowSystem& system, Canvas& canvas, const win::Window& parent, std::vector<ClippedText>& clipped) {
    for (HWND handle : parent.children) {
        const win::Window* child = system.find(handle);
        if (child == nullptr || !child->visibleFlag()) continue;
        const RECT& r = child->rect;
        const RECT bounds{0, 0, r.right - r.left, r.bottom - r.top};
        cairo_save(canvas.cairo());
        canvas.translate(r.left, r.top);
        cairo_rectangle(canvas.cairo(), 0, 0, bounds.right, bounds.bottom);
        cairo_clip(canvas.cairo());
        const PaintJob job{system, canvas, *child, bounds, system.enabled(handle), system.focus() == handle, clipped};
        // A page of a tab dialog is a dialog of its own over the face colour; another window
        // class (the browser control) is a blank well.
        if (!paintControl(job) && !child->isDialog) {
            canvas.fill(bounds, classic::window);
            if (child->exStyle & WS_EX_CLIENTEDGE) canvas.sunken(bounds);
        }
        drawChildren(system, canvas, *child, clipped);
        cairo_restore(canvas.cairo());
    }
}

}  // namespace

WindowPicture drawWindow(win::WindowSystem& system, const PictureFonts& fonts, HWND handle) {
    WindowPicture picture;
    const win::Window* window = system.find(handle);
    if (window == nullptr) return picture;
    const RECT outer = system.windowRect(handle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    // Pixel places come from the window system, which maps dialog units for Tahoma 8.
    picture.canvas = std::make_unique<Canvas>(fonts, width, height, 8.0);
    Canvas& canvas = *picture.canvas;
    const RECT insets = system.frameInsets(*window);
    frameAndCaption(canvas, *window, insets, width, height);
    cairo_save(canvas.cairo());
    canvas.translate(insets.left, insets.top);
    drawChildren(system, canvas, *window, picture.clipped);
    cairo_restore(canvas.cairo());
    return picture;
}

}  // namespace vexa::sim::pictures

// A picture being drawn: a cairo image surface with the classic style's primitives (3D edges,
// text laid out by pango in the dialog font) in client pixels.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "win/winuser.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;
typedef struct _PangoContext PangoContext;
typedef struct _PangoFontDescription PangoFontDescription;

namespace vexa::sim::pictures {

class PictureFonts;

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// The classic scheme's system colours.
namespace classic {
constexpr Colour face{212, 208, 200};       // COLOR_BTNFACE
constexpr Colour highlight{255, 255, 255};  // COLOR_BTNHIGHLIGHT
constexpr Colour light{212, 208, 200};      // COLOR_3DLIGHT
constexpr Colour shadow{128, 128, 128};     // COLOR_BTNSHADOW
constexpr Colour darkShadow{64, 64, 64};    // COLOR_3DDKSHADOW
constexpr Colour window{255, 255, 255};
constexpr Colour text{0, 0, 0};
constexpr Colour grayText{128, 128, 128};
constexpr Colour selection{10, 36, 106};    // COLOR_HIGHLIGHT
constexpr Colour selectionText{255, 255, 255};
constexpr Colour activeCaption{10, 36, 106};
constexpr Colour activeCaptionEnd{166, 202, 240};
}  // namespace classic

// How a text sits in its rectangle.
struct TextStyle {
    enum class Align { Left, Centre, Right };
    Align align = Align::Left;
    bool wrap = false;     // break at words into lines
    bool middle = false;   // centred vertically (one line)
    bool bold = false;
    bool mnemonic = true;  // "&" marks the underlined key
    Colour colour = classic::text;
};

class Canvas {
public:
    Canvas(const PictureFonts& fonts, int width, int height, double fontPoints);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cairo() const { return cairo_; }
    cairo_surface_t* surface() const { return surface_; }
    // Moves the origin (client pixels of a child window within its parent's).
    void translate(int dx, int dy);

    void fill(const RECT& r, Colour colour);
    void frame(const RECT& r, Colour colour);  // one pixel inside r
    void line(int x1, int y1, int x2, int y2, Colour colour);
    // Two-pixel edges: raised (buttons, windows) and sunken (edits, lists).
    void raised(const RECT& r);
    void sunken(const RECT& r);
    void etched(const RECT& r);
    void dottedFocus(const RECT& r);

    // The pixel size of a text in the dialog font (mnemonics removed; wrapped within `width` when > 0).
    SIZE measure(const std::wstring& text, const TextStyle& style, int width = 0) const;
    // Draws the text clipped to r; false when it needs more room than r gives.
    bool text(const RECT& r, const std::wstring& text, const TextStyle& style);
    // The height of one line of the dialog font.
    int lineHeight() const { return lineHeight_; }

    void writePng(const std::filesystem::path& file) const;

private:
    struct Layout;
    Layout layout(const std::wstring& text, const TextStyle& style, int width) const;

    cairo_surface_t* surface_ = nullptr;
    cairo_t* cairo_ = nullptr;
    PangoContext* context_ = nullptr;
    PangoFontDescription* font_ = nullptr;
    PangoFontDescription* boldFont_ = nullptr;
    int lineHeight_ = 13;
};

}  // namespace vexa::sim::pictures

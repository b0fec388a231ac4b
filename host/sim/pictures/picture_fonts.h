// The fonts pictures are drawn with: Tahoma for the dialog fonts, WenQuanYi Zen Hei for CJK
// text, loaded from the Debian packages' files alone so every machine draws the same pixels.
#pragma once

typedef struct _FcConfig FcConfig;
typedef struct _PangoFontMap PangoFontMap;

namespace vexa::sim::pictures {

class PictureFonts {
public:
    PictureFonts();
    ~PictureFonts();
    PictureFonts(const PictureFonts&) = delete;
    PictureFonts& operator=(const PictureFonts&) = delete;

    PangoFontMap* fontMap() const { return fontMap_; }

private:
    FcConfig* config_ = nullptr;
    PangoFontMap* fontMap_ = nullptr;
};

}  // namespace vexa::sim::pictures

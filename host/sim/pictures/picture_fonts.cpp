#include "sim/pictures/picture_fonts.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <stdexcept>

namespace vexa::sim::pictures {

namespace {

constexpr const char* fontFiles[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
    "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc",
};

}  // namespace

PictureFonts::PictureFonts() : config_(FcConfigCreate()) {
    for (const char* file : fontFiles) {
        if (!FcConfigAppFontAddFile(config_, reinterpret_cast<const FcChar8*>(file))) {
            FcConfigDestroy(config_);
            throw std::runtime_error(std::string("pictures need the font ") + file);
        }
    }
    FcConfigBuildFonts(config_);
    fontMap_ = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(fontMap_), config_);
}

PictureFonts::~PictureFonts() {
    pango_fc_font_map_shutdown(PANGO_FC_FONT_MAP(fontMap_));
    g_object_unref(fontMap_);
    // cairo keeps font faces (and their fontconfig patterns) in caches of its own until told.
    cairo_debug_reset_static_data();
    FcConfigDestroy(config_);
}

}  // namespace vexa::sim::pictures

// fontconfig keeps the patterns of the fonts pango matched for as long as the process runs;
// the leak checker is told so, wherever pictures are linked.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }

// Drawing a dialog as a picture: the bolt dialog (the largest, with five bitmaps and seventeen
// radio buttons), against the bare libraries laying out and drawing the same captions.
#include <benchmark/benchmark.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include "lisp/utf8.h"
#include "sim/host.h"
#include "sim/pictures/picture_fonts.h"
#include "sim/pictures/window_picture.h"

namespace {

using vexa::sim::win::DialogAct;
using vexa::sim::win::DialogView;

void boltDialogPicture(benchmark::State& state) {
    vexa::sim::Host host;
    host.documents().newDocument();
    host.loadPlugin(std::string(VEXA_PLUGIN_DIR) + "/VexaOrdo.so");
    vexa::sim::pictures::PictureFonts fonts;
    host.user().queue(DialogAct::query([&](DialogView& dialog) {
        for (auto _ : state) {
            auto picture = vexa::sim::pictures::drawWindow(host.windows(), fonts, dialog.handle());
            benchmark::DoNotOptimize(picture.canvas.get());
        }
    }));
    host.user().queue(DialogAct::click(2));
    host.evaluate(L"(Vexa-dxTools-Bolt '(0 0) '(1 8) '(2 2) '(\"LANGTEXT\" \"Bolts\" \"Type\"))");
}

// The peer: one surface of the dialog's size, its 23 captions laid out and drawn by pango.
void bareCairoPango(benchmark::State& state) {
    vexa::sim::pictures::PictureFonts fonts;
    const char* captions[] = {"Type", "Outer diameter", "View", "Top", "Front", "Bottom", "OK", "Cancel",
                              "2", "3", "4", "5", "6", "8", "10", "12", "16", "", "", "", "", "", "Bolts"};
    for (auto _ : state) {
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 294, 384);
        cairo_t* cairo = cairo_create(surface);
        PangoContext* context = pango_font_map_create_context(fonts.fontMap());
        pango_cairo_context_set_resolution(context, 96.0);
        PangoFontDescription* font = pango_font_description_from_string("Tahoma 8");
        int y = 0;
        for (const char* caption : captions) {
            PangoLayout* layout = pango_layout_new(context);
            pango_layout_set_font_description(layout, font);
            pango_layout_set_text(layout, caption, -1);
            cairo_move_to(cairo, 10, y += 15);
            pango_cairo_show_layout(cairo, layout);
            g_object_unref(layout);
        }
        pango_font_description_free(font);
        g_object_unref(context);
        cairo_destroy(cairo);
        cairo_surface_destroy(surface);
    }
}

}  // namespace

BENCHMARK(boltDialogPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(bareCairoPango)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

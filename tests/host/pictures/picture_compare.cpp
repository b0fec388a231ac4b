// Compares a picture with its reference: passes when every pixel's channels lie within a small
// tolerance; otherwise writes a difference image (changed pixels red over a faded reference).
#include <cairo.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace {

constexpr int kTolerance = 8;

int channel(std::uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: picture_compare REFERENCE.png PICTURE.png DIFFERENCE.png\n");
        return 2;
    }
    cairo_surface_t* reference = cairo_image_surface_create_from_png(argv[1]);
    cairo_surface_t* picture = cairo_image_surface_create_from_png(argv[2]);
    int result = 0;
    if (cairo_surface_status(reference) != CAIRO_STATUS_SUCCESS || cairo_surface_status(picture) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "cannot read %s or %s\n", argv[1], argv[2]);
        result = 1;
    } else if (cairo_image_surface_get_width(reference) != cairo_image_surface_get_width(picture) ||
               cairo_image_surface_get_height(reference) != cairo_image_surface_get_height(picture)) {
        std::fprintf(stderr, "%s: size differs from the reference\n", argv[2]);
        cairo_surface_write_to_png(picture, argv[3]);
        result = 1;
    } else {
        const int width = cairo_image_surface_get_width(reference);
        const int height = cairo_image_surface_get_height(reference);
        cairo_surface_t* difference = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
        long changed = 0;
        for (int y = 0; y < height; ++y) {
            const auto* a = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(reference) + y * cairo_image_surface_get_stride(reference));
            const auto* b = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(picture) + y * cairo_image_surface_get_stride(picture));
            auto* d = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(difference) + y * cairo_image_surface_get_stride(difference));
            for (int x = 0; x < width; ++x) {
                bool near = true;
                for (int shift : {0, 8, 16}) near = near && std::abs(channel(a[x], shift) - channel(b[x], shift)) <= kTolerance;
                const std::uint32_t faded = 0xC0 + channel(a[x], 8) / 4;
                d[x] = near ? (faded << 16 | faded << 8 | faded) : 0xFF0000u;
                changed += near ? 0 : 1;
            }
        }
        cairo_surface_mark_dirty(difference);
        if (changed > 0) {
            std::fprintf(stderr, "%s: %ld pixels differ from %s; difference in %s\n", argv[2], changed, argv[1], argv[3]);
            cairo_surface_write_to_png(difference, argv[3]);
            result = 1;
        }
        cairo_surface_destroy(difference);
    }
    cairo_surface_destroy(reference);
    cairo_surface_destroy(picture);
    return result;
}

#include "sim/pictures/dib_image.h"

#include <cairo.h>

#include <cstring>

namespace vexa::sim::pictures {

namespace {

template <typename T>
T read(std::span<const std::uint8_t> bytes, std::size_t at) {
    T value{};
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

}  // namespace

cairo_surface_t* decodeDib(std::span<const std::uint8_t> dib) {
    if (dib.size() < 40) return nullptr;
    const auto headerSize = read<std::uint32_t>(dib, 0);
    const auto width = read<std::int32_t>(dib, 4);
    const auto signedHeight = read<std::int32_t>(dib, 8);
    const auto bits = read<std::uint16_t>(dib, 14);
    const auto compression = read<std::uint32_t>(dib, 16);
    auto colours = read<std::uint32_t>(dib, 32);
    const std::int64_t height = signedHeight < 0 ? -static_cast<std::int64_t>(signedHeight) : signedHeight;
    const bool supported = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
    if (headerSize < 40 || headerSize > dib.size() || width <= 0 || height <= 0 || width > 8192 || height > 8192 || !supported ||
        (compression != 0 && !(compression == 3 && bits == 32))) {
        return nullptr;
    }
    if (bits <= 8 && colours == 0) colours = 1u << bits;
    if (bits > 8) colours = 0;
    const std::size_t table = headerSize + (compression == 3 && headerSize == 40 ? 12 : 0);
    const std::size_t pixels = table + std::size_t{colours} * 4;
    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    if (colours > 256 || pixels + stride * static_cast<std::size_t>(height) > dib.size()) return nullptr;

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, static_cast<int>(height));
    cairo_surface_flush(surface);
    unsigned char* out = cairo_image_surface_get_data(surface);
    const int outStride = cairo_image_surface_get_stride(surface);
    for (std::int64_t row = 0; row < height; ++row) {
        // Rows are stored bottom-up unless the height is negative.
        const std::size_t source = pixels + stride * static_cast<std::size_t>(signedHeight < 0 ? row : height - 1 - row);
        auto* target = reinterpret_cast<std::uint32_t*>(out + row * outStride);
        for (std::int32_t x = 0; x < width; ++x) {
            std::uint32_t bgr = 0;
            if (bits <= 8) {
                const std::size_t bit = static_cast<std::size_t>(x) * bits;
                const unsigned index = (dib[source + bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                bgr = index < colours ? read<std::uint32_t>(dib, table + index * 4) : 0;
            } else {
                const std::size_t at = source + static_cast<std::size_t>(x) * (bits / 8);
                bgr = dib[at] | (dib[at + 1] << 8) | (dib[at + 2] << 16);
            }
            target[x] = bgr & 0xFFFFFFu;  // cairo's RGB24 is 0x00RRGGBB, as a DIB's B, G, R bytes read
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

}  // namespace vexa::sim::pictures

// A bitmap resource (a DIB: BITMAPINFOHEADER, colour table, rows) unpacked for cairo.
#pragma once

#include <cstdint>
#include <span>

typedef struct _cairo_surface cairo_surface_t;

namespace vexa::sim::pictures {

// An RGB24 image surface of the bitmap (the caller destroys it); null for a DIB it cannot read
// (compressed, or cut short). Uncompressed 1, 4, 8, 24 and 32 bits per pixel, either row order.
cairo_surface_t* decodeDib(std::span<const std::uint8_t> dib);

}  // namespace vexa::sim::pictures

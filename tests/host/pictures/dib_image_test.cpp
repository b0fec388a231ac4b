// Bitmap resources unpacked for pictures: both row orders, a palette, and DIBs that cannot be read.
#include <gtest/gtest.h>
#include <cairo.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "sim/pictures/dib_image.h"

namespace {

std::vector<std::uint8_t> header(std::int32_t width, std::int32_t height, std::uint16_t bits, std::uint32_t compression = 0) {
    std::vector<std::uint8_t> dib(40, 0);
    const std::uint32_t size = 40;
    const std::uint16_t planes = 1;
    std::memcpy(dib.data(), &size, 4);
    std::memcpy(dib.data() + 4, &width, 4);
    std::memcpy(dib.data() + 8, &height, 4);
    std::memcpy(dib.data() + 12, &planes, 2);
    std::memcpy(dib.data() + 14, &bits, 2);
    std::memcpy(dib.data() + 16, &compression, 4);
    return dib;
}

std::uint32_t pixel(cairo_surface_t* surface, int x, int y) {
    const unsigned char* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFFu;
}

TEST(DibImage, BottomUpTrueColourAndTopDownPalette) {
    // 24 bits, 1x2, rows bottom-up and padded to four bytes: blue below, red above.
    std::vector<std::uint8_t> colour = header(1, 2, 24);
    colour.insert(colour.end(), {255, 0, 0, 0, 0, 0, 255, 0});
    cairo_surface_t* image = vexa::sim::pictures::decodeDib(colour);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(pixel(image, 0, 0), 0xFF0000u);
    EXPECT_EQ(pixel(image, 0, 1), 0x0000FFu);
    cairo_surface_destroy(image);

    // 1 bit, 3x1 top-down with a two-colour table: black, white, black.
    std::vector<std::uint8_t> mono = header(3, -1, 1);
    mono.insert(mono.end(), {0, 0, 0, 0, 255, 255, 255, 0, 0b01000000, 0, 0, 0});
    image = vexa::sim::pictures::decodeDib(mono);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(pixel(image, 0, 0), 0u);
    EXPECT_EQ(pixel(image, 1, 0), 0xFFFFFFu);
    EXPECT_EQ(pixel(image, 2, 0), 0u);
    cairo_surface_destroy(image);
}

TEST(DibImage, ShortCompressedOrOddBitmapsAreNotRead) {
    std::vector<std::uint8_t> cut = header(4, 4, 24);
    cut.resize(cut.size() + 10);
    EXPECT_EQ(vexa::sim::pictures::decodeDib(cut), nullptr);
    std::vector<std::uint8_t> rle = header(1, 1, 8, 1);
    rle.resize(rle.size() + 1024 + 4);
    EXPECT_EQ(vexa::sim::pictures::decodeDib(rle), nullptr);
    EXPECT_EQ(vexa::sim::pictures::decodeDib(header(0, 1, 24)), nullptr);
    EXPECT_EQ(vexa::sim::pictures::decodeDib(header(1, 1, 16)), nullptr);
    EXPECT_EQ(vexa::sim::pictures::decodeDib(std::vector<std::uint8_t>(12, 0)), nullptr);
}

}  // namespace

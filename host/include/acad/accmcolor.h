// The host's colour value: a method (by layer, by block, true colour, index colour) and its bytes.
#pragma once

#include <cstdint>
#include <string>

class AcCmEntityColor {
public:
    enum ColorMethod : std::uint8_t {
        kByLayer = 0xC0, kByBlock = 0xC1, kByColor = 0xC2, kByACI = 0xC3, kByPen = 0xC4,
        kForeground = 0xC5, kByDgnIndex = 0xC7, kNone = 0xC8,
    };
};

// An index colour keeps its index in the blue byte, which is why the product's colour
// quadruples carry the index in their fourth number.
class AcCmColor {
public:
    AcCmEntityColor::ColorMethod colorMethod() const { return method_; }
    std::uint8_t red() const { return red_; }
    std::uint8_t green() const { return green_; }
    std::uint8_t blue() const { return blue_; }
    std::int16_t colorIndex() const {
        if (method_ == AcCmEntityColor::kByLayer) return 256;
        if (method_ == AcCmEntityColor::kByBlock) return 0;
        return method_ == AcCmEntityColor::kByACI ? blue_ : -1;
    }
    bool isByLayer() const { return method_ == AcCmEntityColor::kByLayer; }
    bool isByBlock() const { return method_ == AcCmEntityColor::kByBlock; }
    bool isByColor() const { return method_ == AcCmEntityColor::kByColor; }
    bool isByACI() const { return method_ == AcCmEntityColor::kByACI; }

    void setRGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
        method_ = AcCmEntityColor::kByColor;
        red_ = red;
        green_ = green;
        blue_ = blue;
    }
    // 0 is by block, 256 by layer, 1 to 255 index colours.
    void setColorIndex(std::int16_t index) {
        red_ = green_ = blue_ = 0;
        if (index == 0) method_ = AcCmEntityColor::kByBlock;
        else if (index == 256) method_ = AcCmEntityColor::kByLayer;
        else {
            method_ = AcCmEntityColor::kByACI;
            blue_ = static_cast<std::uint8_t>(index);
        }
    }
    void setByLayer() { setColorIndex(256); }
    void setByBlock() { setColorIndex(0); }
    bool setNames(const wchar_t* colorName, const wchar_t* bookName = nullptr) {
        colorName_ = colorName ? colorName : L"";
        bookName_ = bookName ? bookName : L"";
        return true;
    }
    const wchar_t* colorName() const { return colorName_.c_str(); }
    const wchar_t* bookName() const { return bookName_.c_str(); }

    bool operator==(const AcCmColor& other) const {
        return method_ == other.method_ && red_ == other.red_ && green_ == other.green_ && blue_ == other.blue_;
    }

private:
    AcCmEntityColor::ColorMethod method_ = AcCmEntityColor::kByLayer;
    std::uint8_t red_ = 0;
    std::uint8_t green_ = 0;
    std::uint8_t blue_ = 0;
    std::wstring colorName_;
    std::wstring bookName_;
};

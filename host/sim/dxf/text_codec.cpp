#include "dxf/text_codec.h"

#include <algorithm>
#include <charconv>

#include "lisp/utf8.h"

namespace vexa::sim::dxf {

namespace {

// Windows-1252's 0x80 to 0x9F; the five it leaves undefined keep their C1 code points.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

int windows1252Byte(wchar_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c) return 0x80 + i;
    }
    return -1;
}

}  // namespace

std::wstring decodeText(std::string_view value) {
    std::wstring text = lisp::decodeUtf8(value);
    for (std::size_t at = text.find(L"\\U+"); at != std::wstring::npos; at = text.find(L"\\U+", at + 1)) {
        if (at + 7 > text.size()) break;
        const std::string digits = lisp::encodeUtf8(std::wstring_view(text).substr(at + 3, 4));
        unsigned code = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, 16);
        if (error != std::errc() || end != digits.data() + digits.size()) continue;
        text.replace(at, 7, 1, static_cast<wchar_t>(code));
    }
    return text;
}

std::string encodeText(std::wstring_view text) { return lisp::encodeUtf8(text); }

bool usesCodePage(std::string_view file) {
    const std::size_t at = file.substr(0, 1 << 16).find("$ACADVER");
    if (at == std::string_view::npos) return false;
    const std::size_t version = file.find("AC", at + 8);
    return version != std::string_view::npos && file.substr(version, 6) < "AC1021";
}

std::string windows1252ToUtf8(std::string_view bytes) {
    if (isAscii(bytes)) return std::string(bytes);
    std::wstring wide;
    wide.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        wide += byte >= 0x80 && byte < 0xA0 ? static_cast<wchar_t>(kHighControls[byte - 0x80]) : static_cast<wchar_t>(byte);
    }
    return lisp::encodeUtf8(wide);
}

std::string utf8ToWindows1252(std::string_view text) {
    if (isAscii(text)) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : lisp::decodeUtf8(text)) {
        const int byte = windows1252Byte(c);
        if (byte >= 0) {
            out += static_cast<char>(byte);
            continue;
        }
        char digits[8];
        std::string hex(digits, std::to_chars(digits, digits + sizeof digits, static_cast<unsigned>(c) & 0xFFFFu, 16).ptr);
        for (char& d : hex) d = static_cast<char>(std::toupper(static_cast<unsigned char>(d)));
        out += "\\U+" + std::string(4 - std::min<std::size_t>(hex.size(), 4), '0') + hex;
    }
    return out;
}

}  // namespace vexa::sim::dxf

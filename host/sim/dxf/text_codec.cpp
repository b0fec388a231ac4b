#include "dxf/text_codec.h"

#include <charconv>

#include "lisp/utf8.h"

namespace vexa::sim::dxf {

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

std::string encodeText(std::wstring_view text, bool escapeNonAscii) {
    if (!escapeNonAscii) return lisp::encodeUtf8(text);
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            char digits[8];
            const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<unsigned>(c) & 0xFFFFu, 16).ptr;
            std::string hex(digits, end);
            for (char& d : hex) d = static_cast<char>(std::toupper(static_cast<unsigned char>(d)));
            out += "\\U+" + std::string(4 - hex.size(), '0') + hex;
        }
    }
    return out;
}

}  // namespace vexa::sim::dxf

#include "frame/number_text.h"

#include <algorithm>
#include <cwchar>

namespace vexa::frame {

bool isNumberText(std::wstring_view text) {
    bool point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c >= L'0' && c <= L'9') continue;
        if (c == L'.' && !point) {
            point = true;
            continue;
        }
        if (c == L'+' && i == 0) continue;
        return false;
    }
    return true;
}

double leadingNumber(std::wstring_view text) {
    const std::wstring copy(text);
    wchar_t* end = nullptr;
    const double value = std::wcstod(copy.c_str(), &end);
    return end == copy.c_str() ? 0.0 : value;
}

std::optional<NumberTextUndo> NumberTextField::change(std::wstring_view text, int selStart, int selEnd) {
    if (isNumberText(text)) {
        accepted_ = text;
        return std::nullopt;
    }
    return NumberTextUndo{accepted_, std::max(0, selStart - 1), std::max(0, selEnd - 1)};
}

}  // namespace vexa::frame

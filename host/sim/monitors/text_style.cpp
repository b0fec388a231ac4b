// The transient text style's font metrics. The host has no shape files, so every font measures as
// its "txt.shx" does: a character cell is 6 units wide in a 9-unit-high grid, so a character is
// 6/9 of the text size wide (times the width factor), and a line is the text size high.
#include <cwchar>
#include <cwctype>

#include "acad/acgi.h"

namespace {

constexpr double kCharacterWidth = 6.0 / 9.0;

// How many characters the text shows. Without raw, the control codes %%d, %%p and %%c show one
// character (degree, plus-minus, diameter), %%% one percent sign, %%o and %%u (over- and
// underline switches) none.
int shownCharacters(const ACHAR* text, int length, bool raw) {
    const int end = length < 0 ? static_cast<int>(std::wcslen(text)) : length;
    int shown = 0;
    for (int i = 0; i < end && text[i] != L'\0'; ++i) {
        if (!raw && i + 2 < end && text[i] == L'%' && text[i + 1] == L'%') {
            const wchar_t code = static_cast<wchar_t>(std::towlower(text[i + 2]));
            if (code == L'o' || code == L'u') {
                i += 2;
                continue;
            }
            if (code == L'd' || code == L'p' || code == L'c' || code == L'%') i += 2;
        }
        ++shown;
    }
    return shown;
}

}  // namespace

void AcGiTextStyle::setFont(const ACHAR* typeface, bool, bool, int, int) {
    typeface_ = typeface != nullptr ? typeface : L"";
}

int AcGiTextStyle::loadStyleRec() const { return 0; }

AcGePoint2d AcGiTextStyle::extents(const ACHAR* text, bool, int length, bool raw) const {
    if (text == nullptr) return {0.0, 0.0};
    return {shownCharacters(text, length, raw) * kCharacterWidth * textSize_ * xScale_, textSize_};
}

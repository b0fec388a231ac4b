// The number text the dialogs' number fields accept, checked at every change, and the number
// such a text begins with.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexa::frame {

// Digits, at most one ".", and a "+" only as the very first character; the empty text too.
bool isNumberText(std::wstring_view text);

// The number the text begins with ("2.5", "+3", "1." …); 0 when it begins with none.
double leadingNumber(std::wstring_view text);

// A text and selection to put back into a field after a rejected change.
struct NumberTextUndo {
    std::wstring text;
    int start = 0;
    int end = 0;
};

// A number field's last accepted text. Each change either becomes the new accepted text or is
// undone with the caret one place before where the change left it, never before the start.
class NumberTextField {
public:
    explicit NumberTextField(std::wstring accepted = {}) : accepted_(std::move(accepted)) {}

    const std::wstring& text() const { return accepted_; }
    // selStart and selEnd: the field's selection after the change.
    std::optional<NumberTextUndo> change(std::wstring_view text, int selStart, int selEnd);

private:
    std::wstring accepted_;
};

}  // namespace vexa::frame

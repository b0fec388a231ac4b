// The value of one drop-down list of the settings pages: the selected entry's text and whether
// the value counts as given.
#pragma once

#include <string>

#include "win/afxwin.h"

namespace vexa::kito {

class ListChoice {
public:
    enum class Missing { Add, First };

    // The given value at opening: the first entry that begins with it (case ignored); when
    // none does, the text is added (Add) or the first entry taken (First).
    void selectGiven(CComboBox& list, const std::wstring& text, Missing missing);
    // A value not given at opening takes the A entry when there is one, and then counts as given.
    void selectNotGiven(CComboBox& list, const std::wstring& notGivenEntry);
    // CBN_SELCHANGE: the selected text becomes the value.
    void onSelectionChange(const CComboBox& list);
    // CBN_DROPDOWN: a list with nothing given yet takes its first entry.
    void onDropDown(CComboBox& list);
    // At OK: the A entry means not given; a value not given is empty.
    void settle(const std::wstring& notGivenEntry);

    const std::wstring& value() const { return value_; }
    bool given() const { return given_; }

private:
    void take(const CComboBox& list);

    std::wstring value_;
    bool given_ = false;
};

}  // namespace vexa::kito

#include "kito/settings/list_choice.h"

namespace vexa::kito {

void ListChoice::take(const CComboBox& list) {
    const int index = list.GetCurSel();
    if (index < 0) return;
    list.GetLBText(index, value_);
    given_ = true;
}

void ListChoice::selectGiven(CComboBox& list, const std::wstring& text, Missing missing) {
    if (list.SelectString(-1, text.c_str()) == CB_ERR) {
        if (missing == Missing::Add) list.SetCurSel(list.AddString(text.c_str()));
        else list.SetCurSel(0);
    }
    take(list);
}

void ListChoice::selectNotGiven(CComboBox& list, const std::wstring& notGivenEntry) {
    if (notGivenEntry.empty()) return;
    if (list.SelectString(-1, notGivenEntry.c_str()) != CB_ERR) take(list);
}

void ListChoice::onSelectionChange(const CComboBox& list) { take(list); }

void ListChoice::onDropDown(CComboBox& list) {
    if (given_ || list.GetCount() == 0) return;
    list.SetCurSel(0);
    take(list);
}

void ListChoice::settle(const std::wstring& notGivenEntry) {
    if (!notGivenEntry.empty() && value_ == notGivenEntry) given_ = false;
    if (!given_) value_.clear();
}

}  // namespace vexa::kito

#include "ordo/tools/AddAttribute.h"

#include "ordo/tools/resource_chamfer_frame.h"
#include "frame/captions.h"

namespace vexa::ordo {

std::wstring trimmedAttributeName(const std::wstring& name) {
    constexpr const wchar_t* kBlank = L" \t\r\n";
    const std::size_t first = name.find_first_not_of(kBlank);
    if (first == std::wstring::npos) return {};
    return name.substr(first, name.find_last_not_of(kBlank) - first + 1);
}

AddAttribute::AddAttribute(std::wstring title, std::wstring label, std::wstring okText)
    : CAdUiBaseDialog(IDD_ADD_ATTRIBUTE), captions_{std::move(title), std::move(label), std::move(okText)} {}

BOOL AddAttribute::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    frame::putCaptionsBlankingMissing(*this, captions_, {{IDC_ADD_NAME_LABEL, 1}, {IDOK, 2}});
    return TRUE;
}

BOOL AddAttribute::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_ADD_NAME && HIWORD(wParam) == EN_CHANGE) {
        GetDlgItem(IDOK)->EnableWindow(!trimmedAttributeName(GetDlgItem(IDC_ADD_NAME)->GetWindowText()).empty());
        return TRUE;
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

void AddAttribute::OnOK() {
    // Enter reaches here even while OK is disabled.
    name_ = trimmedAttributeName(GetDlgItem(IDC_ADD_NAME)->GetWindowText());
    if (!name_.empty()) EndDialog(IDOK);
}

}  // namespace vexa::ordo

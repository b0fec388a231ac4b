#include "dim/setup/SetupDlg.h"

#include <array>

#include "frame/captions.h"
#include "frame/dialog_controls.h"
#include "frame/number_fields.h"
#include "frame/product_call.h"
#include "dim/setup/setup_resource.h"

namespace vexa::dim {

namespace {

constexpr std::array<int, 6> typeRadios = {IDC_SETUP_TYPE_0, IDC_SETUP_TYPE_1, IDC_SETUP_TYPE_2,
                                           IDC_SETUP_TYPE_3, IDC_SETUP_TYPE_4, IDC_SETUP_TYPE_5};
// The controls whose state follows the dimension type.
constexpr std::array<int, 6> dependentControls = {IDC_SETUP_OBJECT_0, IDC_SETUP_OBJECT_1, IDC_SETUP_OBJECT_2,
                                                  IDC_SETUP_HIDDEN,   IDC_SETUP_CHAMFER,  IDC_SETUP_ORTHOGONAL};
constexpr int completeLinear = 2;

}  // namespace

SetupDlg::SetupDlg(SetupOptions& options)
    : CAdUiBaseDialog(IDD_DIM_SETUP),
      options_(options),
      chamfer_(options.chamferPresets.empty() ? std::wstring() : options.chamferPresets.front()) {}

BOOL SetupDlg::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    frame::putCaptionsBlankingMissing(
        *this, options_.captions,
        {{IDC_SETUP_TYPE_GROUP, 1}, {IDC_SETUP_OBJECT_GROUP, 2}, {IDC_SETUP_SETTINGS_GROUP, 3},
         {IDC_SETUP_TYPE_0, 4}, {IDC_SETUP_TYPE_1, 5}, {IDC_SETUP_TYPE_2, 6}, {IDC_SETUP_TYPE_3, 7},
         {IDC_SETUP_TYPE_4, 8}, {IDC_SETUP_TYPE_5, 9}, {IDC_SETUP_OBJECT_0, 10}, {IDC_SETUP_OBJECT_1, 11},
         {IDC_SETUP_OBJECT_2, 12}, {IDC_SETUP_CHAMFER_LABEL, 13}, {IDC_SETUP_HIDDEN_LABEL, 14},
         {IDC_SETUP_ORTHOGONAL, 15}, {IDC_SETUP_STYLE, 16}, {IDOK, 17}, {IDCANCEL, 18}});
    auto* hidden = static_cast<CComboBox*>(GetDlgItem(IDC_SETUP_HIDDEN));
    for (const std::wstring& entry : options_.hiddenEntries) hidden->AddString(entry.c_str());
    auto* chamfer = static_cast<CComboBox*>(GetDlgItem(IDC_SETUP_CHAMFER));
    for (std::size_t i = 1; i < options_.chamferPresets.size(); ++i) chamfer->AddString(options_.chamferPresets[i].c_str());
    options_.chamferText = chamfer_.text();
    enableForType();
    writeControls();
    opened_ = true;
    return TRUE;
}

void SetupDlg::readControls() {
    options_.dimensionType = static_cast<short>(GetCheckedRadioButton(IDC_SETUP_TYPE_0, IDC_SETUP_TYPE_5) - IDC_SETUP_TYPE_0);
    options_.objectType =
        static_cast<short>(GetCheckedRadioButton(IDC_SETUP_OBJECT_0, IDC_SETUP_OBJECT_2) - IDC_SETUP_OBJECT_0);
    options_.hiddenChoice = static_cast<short>(static_cast<CComboBox*>(GetDlgItem(IDC_SETUP_HIDDEN))->GetCurSel());
    options_.orthogonal = IsDlgButtonChecked(IDC_SETUP_ORTHOGONAL) == BST_CHECKED ? 1 : 0;
    options_.chamferText = GetDlgItem(IDC_SETUP_CHAMFER)->GetWindowText();
}

void SetupDlg::writeControls() {
    CheckRadioButton(IDC_SETUP_TYPE_0, IDC_SETUP_TYPE_5, IDC_SETUP_TYPE_0 + options_.dimensionType);
    CheckRadioButton(IDC_SETUP_OBJECT_0, IDC_SETUP_OBJECT_2, IDC_SETUP_OBJECT_0 + options_.objectType);
    static_cast<CComboBox*>(GetDlgItem(IDC_SETUP_HIDDEN))->SetCurSel(options_.hiddenChoice);
    CheckDlgButton(IDC_SETUP_ORTHOGONAL, options_.orthogonal != 0 ? BST_CHECKED : BST_UNCHECKED);
    GetDlgItem(IDC_SETUP_CHAMFER)->SetWindowText(options_.chamferText);
}

// Complete Linear dimensions every hidden feature the same way, so its choice goes back to the first.
void SetupDlg::enableForType() {
    const short type = options_.dimensionType;
    const bool listed = type >= 4;
    const std::array<bool, 6> enabled = {!listed, !listed, !listed, !listed && type != completeLinear, !listed, !listed};
    frame::enableControls(*this, dependentControls, enabled);
    if (type == completeLinear) options_.hiddenChoice = 0;
}

void SetupDlg::invokeStyleFunction() {
    frame::ListBuilder argument;
    argument.integer(options_.styleArgument);
    // Whatever the function answers (or its failure) leaves the dialog as it is.
    frame::callProduct(options_.styleFunction, argument);
}

BOOL SetupDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (opened_ && id == IDC_SETUP_CHAMFER && HIWORD(wParam) == CBN_EDITCHANGE) {
        frame::checkNumberCombo(*static_cast<CComboBox*>(GetDlgItem(IDC_SETUP_CHAMFER)), chamfer_);
        return TRUE;
    }
    if (opened_ && frame::clickedOneOf(wParam, typeRadios)) {
        CAdUiBaseDialog::OnCommand(wParam, lParam);
        readControls();
        enableForType();
        writeControls();
        return TRUE;
    }
    if (id == IDC_SETUP_STYLE && HIWORD(wParam) == BN_CLICKED) {
        invokeStyleFunction();
        return TRUE;
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

void SetupDlg::OnOK() {
    readControls();
    EndDialog(IDOK);
}

}  // namespace vexa::dim

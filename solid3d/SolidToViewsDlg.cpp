#include "solid3d/SolidToViewsDlg.h"

#include <algorithm>

#include "frame/captions.h"
#include "frame/product_call.h"
#include "solid3d/resource.h"

namespace vexa::solid3d {

namespace {

// The check box of each view, in bit order.
constexpr int kViewControls[kViewCount] = {IDC_VIEW_FRONT,   IDC_VIEW_RIGHT,  IDC_VIEW_TOP,     IDC_VIEW_LEFT,
                                           IDC_VIEW_BOTTOM,  IDC_VIEW_REAR_RIGHT, IDC_VIEW_REAR_BELOW,
                                           IDC_VIEW_ISO_NE,  IDC_VIEW_ISO_NW, IDC_VIEW_ISO_SW,  IDC_VIEW_ISO_SE};

int viewBit(int view) { return 1 << view; }

}  // namespace

SolidToViewsDlg::SolidToViewsDlg(ViewsChoice& choice) : CAdUiBaseDialog(IDD_SOLID_TO_VIEWS), choice_(choice) {}

BOOL SolidToViewsDlg::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    showPictures();
    for (int view = 0; view < kViewCount; ++view) {
        CheckDlgButton(kViewControls[view], (choice_.views & viewBit(view)) != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
    CheckRadioButton(IDC_COMPLETE_MODE, IDC_QUICK_MODE, choice_.quick ? IDC_QUICK_MODE : IDC_COMPLETE_MODE);
    CheckDlgButton(IDC_SHOW_HIDDEN, choice_.showHidden ? BST_CHECKED : BST_UNCHECKED);
    frame::putCaptionsBlankingMissing(
        *this, choice_.captions,
        {{IDC_VIEWS_GROUP, 1},     {IDC_VIEW_FRONT, 2},      {IDC_VIEW_RIGHT, 3},
         {IDC_VIEW_TOP, 4}, {IDC_VIEW_LEFT, 5},      {IDC_VIEW_BOTTOM, 6},     {IDC_VIEW_REAR_RIGHT, 7},
         {IDC_VIEW_REAR_BELOW, 8}, {IDC_VIEW_ISO_NE, 9}, {IDC_VIEW_ISO_NW, 10}, {IDC_VIEW_ISO_SW, 11},
         {IDC_VIEW_ISO_SE, 12}, {IDC_COMPLETE_MODE, 13}, {IDC_QUICK_MODE, 14}, {IDC_SHOW_HIDDEN, 15},
         {IDC_RETURN_AUTOMATICALLY, 16}, {IDOK, 17}, {IDCANCEL, 18}, {IDC_HIDDEN_SETTINGS, 19}});
    CheckDlgButton(IDC_RETURN_AUTOMATICALLY, choice_.allowed > 0 ? BST_CHECKED : BST_UNCHECKED);
    GetDlgItem(IDC_RETURN_AUTOMATICALLY)->EnableWindow(choice_.allowed != 0);
    applyAllowedViews();
    return TRUE;
}

int SolidToViewsDlg::checkedViews() const {
    int views = 0;
    for (int view = 0; view < kViewCount; ++view) {
        if (IsDlgButtonChecked(kViewControls[view]) == BST_CHECKED) views |= viewBit(view);
    }
    return views;
}

void SolidToViewsDlg::showPictures() {
    for (int view = 0; view < kViewCount; ++view) {
        GetDlgItem(IDC_VIEW_PICTURE_BASE + 2 * view)->ShowWindow(choice_.showHidden ? SW_SHOW : SW_HIDE);
        GetDlgItem(IDC_VIEW_PICTURE_BASE + 2 * view + 1)->ShowWindow(choice_.showHidden ? SW_HIDE : SW_SHOW);
    }
}

void SolidToViewsDlg::applyAllowedViews() {
    const bool automatic = IsDlgButtonChecked(IDC_RETURN_AUTOMATICALLY) == BST_CHECKED;
    const int enabled = enabledViews(automatic, choice_.allowed);
    for (int view = 0; view < kViewCount; ++view) {
        const bool allowed = (enabled & viewBit(view)) != 0;
        GetDlgItem(kViewControls[view])->EnableWindow(allowed);
        if (!allowed) CheckDlgButton(kViewControls[view], BST_UNCHECKED);
    }
}

void SolidToViewsDlg::updateOkButton() {
    const bool automatic = IsDlgButtonChecked(IDC_RETURN_AUTOMATICALLY) == BST_CHECKED;
    GetDlgItem(IDOK)->EnableWindow(okEnabled(checkedViews(), automatic, choice_.allowed));
}

void SolidToViewsDlg::callSettingsFunction() {
    // The answer is the product's business; a failed call leaves the dialog as it was.
    frame::callProduct(choice_.settingsFunction, frame::ListBuilder().integer(choice_.settingsArgument));
}

BOOL SolidToViewsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        const int id = LOWORD(wParam);
        switch (id) {
        case IDC_SHOW_HIDDEN:
            choice_.showHidden = IsDlgButtonChecked(IDC_SHOW_HIDDEN) == BST_CHECKED;
            showPictures();
            return TRUE;
        case IDC_RETURN_AUTOMATICALLY: applyAllowedViews(); return TRUE;
        case IDC_COMPLETE_MODE:
        case IDC_QUICK_MODE: choice_.quick = IsDlgButtonChecked(IDC_QUICK_MODE) == BST_CHECKED; return TRUE;
        case IDC_HIDDEN_SETTINGS: callSettingsFunction(); return TRUE;
        default:
            if (std::find(std::begin(kViewControls), std::end(kViewControls), id) != std::end(kViewControls)) {
                updateOkButton();
                return TRUE;
            }
            break;
        }
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

LRESULT SolidToViewsDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ACAD_KEEPFOCUS) return TRUE;
    return CAdUiBaseDialog::WindowProc(message, wParam, lParam);
}

void SolidToViewsDlg::OnOK() {
    choice_.views = checkedViews();
    choice_.showHidden = IsDlgButtonChecked(IDC_SHOW_HIDDEN) == BST_CHECKED;
    choice_.returnAutomatically = IsDlgButtonChecked(IDC_RETURN_AUTOMATICALLY) == BST_CHECKED;
    EndDialog(IDOK);
}

}  // namespace vexa::solid3d

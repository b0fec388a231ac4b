#include "ordo/tools/EditFrameAttDlg.h"

#include "ordo/tools/list_selection.h"
#include "ordo/tools/resource_chamfer_frame.h"
#include "frame/captions.h"

namespace vexa::ordo {

EditFrameAttDlg::EditFrameAttDlg(FrameListOptions& options)
    : CAdUiBaseDialog(IDD_EDIT_FRAME_ATT), options_(options), namePrefix_(options.captions[3]) {}

void EditFrameAttDlg::DoDataExchange(CDataExchange* dx) {
    CAdUiBaseDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_EDIT_ATT_LIST, list_);
}

BOOL EditFrameAttDlg::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    list_.InsertColumn(0, options_.captions[1].c_str(), LVCFMT_LEFT, 120);
    list_.InsertColumn(1, options_.captions[2].c_str(), LVCFMT_LEFT, 250);
    list_.SetExtendedStyle(list_.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    for (std::size_t i = 0; i < options_.rows.size(); ++i) {
        const int row = list_.InsertItem(static_cast<int>(i), options_.rows[i].name.c_str());
        list_.SetItemText(row, 1, options_.rows[i].value.c_str());
    }
    frame::putCaptionsBlankingMissing(*this, options_.captions,
                 {{IDC_EDIT_ATT_NAME_LABEL, 3}, {IDC_EDIT_ATT_VALUE_LABEL, 4}, {IDOK, 5}, {IDCANCEL, 6}});
    return TRUE;
}

void EditFrameAttDlg::makeCurrent(int row) {
    current_ = row;
    SetDlgItemText(IDC_EDIT_ATT_NAME_LABEL, namePrefix_ + L"  " + list_.GetItemText(row, 0));
    auto* value = static_cast<CEdit*>(GetDlgItem(IDC_EDIT_ATT_VALUE));
    value->SetReadOnly(row < options_.readOnlyRows);
    value->SetWindowText(list_.GetItemText(row, 1));
}

void EditFrameAttDlg::nextRow() {
    if (current_ < 0) return;
    list_.SetItemText(current_, 1, GetDlgItem(IDC_EDIT_ATT_VALUE)->GetWindowText().c_str());
    const int next = current_ + 1 < list_.GetItemCount() ? current_ + 1 : 0;
    list_.SetItemState(next, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list_.EnsureVisible(next, FALSE);
}

BOOL EditFrameAttDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_EDIT_ATT_VALUE) {
        switch (HIWORD(wParam)) {
        case EN_SETFOCUS: valueFocus_ = true; return TRUE;
        case EN_KILLFOCUS: valueFocus_ = false; return TRUE;
        case EN_CHANGE:
            // The list shows every change at once.
            if (current_ >= 0 && current_ >= options_.readOnlyRows) {
                list_.SetItemText(current_, 1, GetDlgItem(IDC_EDIT_ATT_VALUE)->GetWindowText().c_str());
            }
            return TRUE;
        default: break;
        }
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

BOOL EditFrameAttDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (const int row = newlySelectedRow(lParam, IDC_EDIT_ATT_LIST); row >= 0) makeCurrent(row);
    return CAdUiBaseDialog::OnNotify(wParam, lParam, result);
}

void EditFrameAttDlg::OnOK() {
    if (valueFocus_) {
        nextRow();
        return;
    }
    for (std::size_t i = 0; i < options_.rows.size(); ++i) {
        options_.rows[i] = {list_.GetItemText(static_cast<int>(i), 0), list_.GetItemText(static_cast<int>(i), 1)};
    }
    EndDialog(IDOK);
}

}  // namespace vexa::ordo

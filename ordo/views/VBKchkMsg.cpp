#include "ordo/views/VBKchkMsg.h"

#include "frame/captions.h"
#include "ordo/views/resource_views.h"

namespace vexa::ordo {

namespace {

// Without the question and its buttons the window needs less room below the counts.
constexpr int kReportOnlyShrink = 15;

}  // namespace

VBKchkMsg::VBKchkMsg(ViewsErrorReport& report) : CAdUiBaseDialog(IDD_VBKCHKMSG), report_(report) {}

BOOL VBKchkMsg::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    const ReportDisplay display = reportDisplay(report_);
    for (int id : {IDC_FREE_NODE_LABEL, IDC_FREE_NODE_COUNT}) GetDlgItem(id)->EnableWindow(display.freeNodeRow);
    for (int id : {IDC_NON_PROJECTED_LABEL, IDC_NON_PROJECTED_COUNT}) {
        GetDlgItem(id)->EnableWindow(display.nonProjectedRow);
    }
    showContinueQuestion(display.asksToContinue);
    const std::vector<std::wstring>& captions = report_.captions;
    frame::putCaptionsBlankingMissing(*this, captions,
                 {{IDC_CONTINUE_QUESTION, 2},
                  {IDC_FREE_NODE_LABEL, 3},
                  {IDC_NON_PROJECTED_LABEL, 4},
                  {IDOK, 6},
                  {IDCANCEL, 7},
                  {IDC_CLOSE, 8}});
    SetDlgItemText(IDC_ERROR_COUNT_LABEL, errorCountText(captions[1], display.total));
    SetDlgItemInt(IDC_FREE_NODE_COUNT, static_cast<UINT>(display.freeNodes));
    SetDlgItemInt(IDC_NON_PROJECTED_COUNT, static_cast<UINT>(display.nonProjected));
    return TRUE;
}

void VBKchkMsg::showOnly(int id, bool shown) {
    CWnd* control = GetDlgItem(id);
    control->EnableWindow(shown);
    control->ShowWindow(shown ? SW_SHOW : SW_HIDE);
}

// OK and Cancel are only hidden, so that ESC still cancels a report that asks nothing.
void VBKchkMsg::showContinueQuestion(bool asks) {
    showOnly(IDC_CONTINUE_QUESTION, asks);
    showOnly(IDC_CLOSE, !asks);
    for (int id : {IDOK, IDCANCEL}) GetDlgItem(id)->ShowWindow(asks ? SW_SHOW : SW_HIDE);
    if (asks) return;
    RECT window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.right - window.left, window.bottom - window.top - kReportOnlyShrink,
                 SWP_NOMOVE | SWP_NOZORDER);
}

// Enter reaches OK even while it is hidden; a report that asks nothing can only be closed.
void VBKchkMsg::OnOK() {
    if (reportDisplay(report_).asksToContinue) {
        CAdUiBaseDialog::OnOK();
        return;
    }
    OnCancel();
}

BOOL VBKchkMsg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_CLOSE && HIWORD(wParam) == BN_CLICKED) {
        OnCancel();
        return TRUE;
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

}  // namespace vexa::ordo

#include "setup/Progress.h"

#include "setup/resource.h"

namespace vexa::setup {

Progress::Progress(std::wstring caption) : CAdUiBaseDialog(IDD_PROGRESS), caption_(std::move(caption)) {}

void Progress::DoDataExchange(CDataExchange* dx) {
    CAdUiBaseDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PROGRESS_BAR, m_progress);
}

BOOL Progress::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    SetDlgItemText(IDC_PROGRESS_CAPTION, caption_);
    m_progress.SetRange(0, 100);
    m_progress.SetPos(0);
    shownPercent_ = 0;
    return TRUE;
}

void Progress::showPercent(int percent) {
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    SetDlgItemText(IDC_PROGRESS_PERCENT, std::to_wstring(percent) + L"%");
    m_progress.SetPos(percent);
}

}  // namespace vexa::setup

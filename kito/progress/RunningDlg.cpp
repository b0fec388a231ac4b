#include "kito/progress/RunningDlg.h"

#include <memory>

#include "frame/resource_scope.h"
#include "kito/message_pump.h"
#include "kito/resource.h"

namespace vexa::kito {

namespace {

std::unique_ptr<RunningDlg> running;

bool runningOpen() { return running != nullptr && running->GetSafeHwnd() != nullptr; }

}  // namespace

RunningDlg::RunningDlg(std::wstring text) : KeepFocusDialog(IDD_RUNNING), text_(std::move(text)) {}

void RunningDlg::setText(std::wstring text) {
    text_ = std::move(text);
    SetDlgItemText(IDC_RUNNING_TEXT, text_);
}

void RunningDlg::OnTimer(UINT_PTR id) {
    const int previous = frame_ == 0 ? kFrames - 1 : frame_ - 1;
    if (CWnd* shown = GetDlgItem(IDC_RUNNING_FRAME_FIRST + frame_)) shown->ShowWindow(SW_SHOW);
    if (CWnd* hidden = GetDlgItem(IDC_RUNNING_FRAME_FIRST + previous)) hidden->ShowWindow(SW_HIDE);
    frame_ = (frame_ + 1) % kFrames;
    pumpWaitingMessages();
    KeepFocusDialog::OnTimer(id);
}

void RunningDlg::OnDestroy() {
    KillTimer(kTimer);
    KeepFocusDialog::OnDestroy();
}

void showRunning(const std::wstring& text) {
    if (runningOpen()) {
        running->ShowWindow(SW_SHOW);
        running->setText(text);
        return;
    }
    running.reset();
    {
        const frame::PluginResources resources;
        auto created = std::make_unique<RunningDlg>(text);
        if (!created->Create(IDD_RUNNING, nullptr)) return;
        running = std::move(created);
    }
    running->SetTimer(RunningDlg::kTimer, RunningDlg::kPeriod);
    running->ShowWindow(SW_SHOW);
    running->setText(text);
    pumpWaitingMessages();
}

void closeRunning() {
    if (runningOpen()) running->DestroyWindow();
    running.reset();
}

}  // namespace vexa::kito

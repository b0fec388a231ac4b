#include "setup/progress_window.h"

#include <memory>

#include "frame/resource_scope.h"
#include "setup/Progress.h"
#include "setup/message_pump.h"
#include "setup/resource.h"

namespace vexa::setup {

namespace {

std::unique_ptr<Progress> progress;
bool progressOpen = false;

// A window destroyed behind our back (the host tore it down) counts as closed, so the next
// opening call makes a fresh one rather than keeping a dead handle.
bool windowOpen() { return progressOpen && progress->GetSafeHwnd() != nullptr; }

}  // namespace

void openProgress(const std::wstring& caption) {
    if (windowOpen()) return;
    closeProgress();
    const frame::PluginResources resources;
    auto created = std::make_unique<Progress>(caption);
    if (!created->Create(IDD_PROGRESS, nullptr)) return;
    created->ShowWindow(SW_SHOW);
    progress = std::move(created);
    progressOpen = true;
    pumpWaitingMessages();
}

void showProgress(int percent) {
    if (windowOpen()) progress->showPercent(percent);
}

void closeProgress() {
    if (!progressOpen) return;
    if (progress->GetSafeHwnd() != nullptr) progress->DestroyWindow();
    progress.reset();
    progressOpen = false;
}

}  // namespace vexa::setup

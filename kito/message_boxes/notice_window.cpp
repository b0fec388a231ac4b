#include "kito/message_boxes/notice_window.h"

#include <memory>

#include "frame/resource_scope.h"
#include "kito/message_boxes/BlankDlg.h"
#include "kito/resource.h"

namespace vexa::kito {

namespace {

std::unique_ptr<BlankDlg> notice;

// A window destroyed behind our back (its owner closed, the host tore it down) counts as closed,
// so the next call opens a fresh one rather than showing a dead handle.
bool noticeOpen() { return notice != nullptr && notice->GetSafeHwnd() != nullptr; }

}  // namespace

void showNotice(const std::wstring& text) {
    if (!noticeOpen()) {
        notice.reset();
        const frame::PluginResources resources;
        auto created = std::make_unique<BlankDlg>(text);
        if (!created->Create(IDD_BLANK)) return;
        notice = std::move(created);
    }
    notice->ShowWindow(SW_SHOW);
}

void closeNotice() {
    if (noticeOpen()) notice->DestroyWindow();
    notice.reset();
}

}  // namespace vexa::kito

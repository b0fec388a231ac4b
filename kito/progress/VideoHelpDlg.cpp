#include "kito/progress/VideoHelpDlg.h"

#include <memory>

#include "frame/product_call.h"
#include "frame/resource_scope.h"
#include "kito/resource.h"

namespace vexa::kito {

namespace {

std::unique_ptr<VideoHelpDlg> video;

}  // namespace

VideoHelpDlg::VideoHelpDlg(std::wstring title) : KeepFocusDialog(IDD_VIDEOHELP), title_(std::move(title)) {}

void VideoHelpDlg::DoDataExchange(CDataExchange* dx) {
    KeepFocusDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_VIDEO_PLAYER, player_);
}

BOOL VideoHelpDlg::OnInitDialog() {
    KeepFocusDialog::OnInitDialog();
    // The hidden Cancel button spans the client area: what the window has more is its frame.
    RECT window{};
    RECT client{};
    GetWindowRect(&window);
    if (CWnd* measure = GetDlgItem(IDCANCEL)) measure->GetWindowRect(&client);
    widthMargin_ = (window.right - window.left) - (client.right - client.left);
    heightMargin_ = (window.bottom - window.top) - (client.bottom - client.top);
    CWMPSettings settings(player_.get_settings());
    settings.setMode(L"loop", TRUE);
    SetWindowText(title_);
    return TRUE;
}

LRESULT VideoHelpDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = KeepFocusDialog::WindowProc(message, wParam, lParam);
    if (message == WM_SIZING && lParam != 0 && player_.GetSafeHwnd() != nullptr) {
        const RECT* size = reinterpret_cast<const RECT*>(lParam);
        player_.MoveWindow(0, 0, (size->right - size->left) - widthMargin_, (size->bottom - size->top) - heightMargin_);
        player_.Invalidate();
    }
    return result;
}

void VideoHelpDlg::OnClose() {
    // The product's LISP code removes what it set up for the video; its answer does not matter.
    frame::callProduct(L"C:Vexa_RemoveVHelpVlr");
    KeepFocusDialog::OnClose();
}

void VideoHelpDlg::play(const std::wstring& url) {
    ShowWindow(SW_SHOWNORMAL);
    player_.put_URL(url.c_str());
    if (CWnd* parent = GetParent()) parent->SetFocus();
}

void showVideoHelp(const std::wstring& title, const std::wstring& url) {
    if (video == nullptr || video->GetSafeHwnd() == nullptr) {
        video.reset();
        const frame::PluginResources resources;
        auto created = std::make_unique<VideoHelpDlg>(title);
        if (!created->Create(IDD_VIDEOHELP, nullptr)) return;
        video = std::move(created);
    }
    video->play(url);
}

void destroyVideoHelp() {
    if (video != nullptr && video->GetSafeHwnd() != nullptr) video->DestroyWindow();
    video.reset();
}

}  // namespace vexa::kito

#include "kito/info_dialogs/About.h"

#include "kito/resource.h"
#include "win/shellapi.h"

namespace vexa::kito {

About::About(std::wstring title, std::wstring okText, std::wstring linkText, std::wstring linkAddress,
             std::wstring language)
    : KeepFocusDialog(IDD_ABOUT),
      title_(std::move(title)),
      okText_(std::move(okText)),
      linkText_(std::move(linkText)),
      linkAddress_(std::move(linkAddress)),
      language_(std::move(language)) {}

BOOL About::OnInitDialog() {
    KeepFocusDialog::OnInitDialog();
    SetWindowText(title_);
    SetDlgItemText(IDOK, okText_);
    SetDlgItemText(IDC_ABOUT_LINK, linkText_);
    SetDlgItemText(IDC_ABOUT_NOTICE, aboutNotice(language_));
    return TRUE;
}

BOOL About::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_ABOUT_LINK && HIWORD(wParam) == BN_CLICKED) {
        // The address opens in the user's browser; the box stays open.
        ShellExecuteW(m_hWnd, L"open", linkAddress_.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return TRUE;
    }
    return KeepFocusDialog::OnCommand(wParam, lParam);
}

const std::wstring& aboutNotice(const std::wstring& language) {
    static const std::wstring english =
        L"Vexa Mechanical Drafting\r\n"
        L"Drafting tools for mechanical design\r\n"
        L"Made by Vexa Design Systems\r\n"
        L"Copyright (C) Vexa Design Systems.\r\n"
        L"All rights reserved.";
    static const std::wstring chinese =
        L"Vexa \u6a5f\u68b0\u88fd\u5716\r\n"
        L"\u6a5f\u68b0\u8a2d\u8a08\u88fd\u5716\u5de5\u5177\r\n"
        L"Vexa \u8a2d\u8a08\u7cfb\u7d71\u516c\u53f8 \u51fa\u54c1\r\n"
        L"\u7248\u6b0a\u6240\u6709 (C) Vexa \u8a2d\u8a08\u7cfb\u7d71\u516c\u53f8\u3002\r\n"
        L"\u4fdd\u7559\u4e00\u5207\u6b0a\u5229\u3002";
    return language == L"cht" ? chinese : english;
}

}  // namespace vexa::kito

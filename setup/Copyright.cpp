#include "setup/Copyright.h"

#include "setup/folder_probe.h"
#include "setup/message_pump.h"
#include "setup/resource.h"
#include "win/libloaderapi.h"
#include "win/shlobj.h"

namespace vexa::setup {

namespace {

constexpr int folderPart[] = {IDC_FOLDER, IDC_FOLDER_LABEL, IDC_BROWSE, IDOK, IDC_UAC_NOTE, IDC_TEMPLATES};

}  // namespace

Copyright::Copyright(std::wstring folder, std::wstring language)
    : CAdUiBaseDialog(IDD_COPYRIGHT), m_folder(std::move(folder)), m_language(std::move(language)) {}

void Copyright::DoDataExchange(CDataExchange* dx) {
    CAdUiBaseDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_BROWSER, m_browser);
}

BOOL Copyright::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    if (const InstallDialogTexts* texts = installLanguage(m_language).dialogTexts) applyTexts(*texts);
    showFolderPart(false);
    SetDlgItemText(IDC_FOLDER, m_folder);
    CheckDlgButton(IDC_TEMPLATES, BST_UNCHECKED);
    m_templates = 0;
    showAgreement();
    return TRUE;
}

// The page is a resource of this module, addressed by the module file's full path.
void Copyright::showAgreement() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(GetModuleHandleW(L"VexaSetup.arx"), path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    const std::wstring url = L"res://" + std::wstring(path, length) + L"/" + std::to_wstring(installLanguage(m_language).agreementPage);
    m_browser.Navigate(url.c_str(), nullptr, nullptr, nullptr, nullptr);
}

void Copyright::applyTexts(const InstallDialogTexts& texts) {
    SetDlgItemText(IDC_FOLDER_LABEL, texts.folderLabel);
    SetDlgItemText(IDC_BROWSE, texts.browse);
    SetDlgItemText(IDC_AGREE, texts.agree);
    SetDlgItemText(IDOK, texts.install);
    SetDlgItemText(IDCANCEL, texts.cancel);
    SetDlgItemText(IDC_UAC_NOTE, texts.uacNote);
    SetDlgItemText(IDC_TEMPLATES, texts.templates);
    SetWindowText(texts.title);
}

void Copyright::showFolderPart(bool show) {
    for (int id : folderPart) {
        if (CWnd* control = GetDlgItem(id)) control->ShowWindow(show ? SW_SHOW : SW_HIDE);
    }
}

BOOL Copyright::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
            case IDC_AGREE: agree(); return TRUE;
            case IDC_BROWSE: browse(); return TRUE;
            case IDC_TEMPLATES: m_templates = IsDlgButtonChecked(IDC_TEMPLATES) == BST_CHECKED ? 1 : 0; return TRUE;
            default: break;
        }
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

void Copyright::agree() {
    showFolderPart(true);
    for (int id : {IDC_BROWSER, IDC_AGREE}) {
        if (CWnd* control = GetDlgItem(id)) control->ShowWindow(SW_HIDE);
    }
}

void Copyright::browse() {
    BROWSEINFOW info{};
    info.hwndOwner = m_hWnd;
    wchar_t displayName[MAX_PATH] = {};
    info.pszDisplayName = displayName;
    info.lpszTitle = installLanguage(m_language).pickerTitle;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    // The picker's window went: let the dialog repaint where it was.
    pumpWaitingMessages();
    if (chosen == nullptr) return;
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(chosen, path)) SetDlgItemText(IDC_FOLDER, path);
    ILFree(chosen);
}

void Copyright::OnOK() {
    std::wstring folder;
    GetDlgItemText(IDC_FOLDER, folder);
    if (!folderAcceptsInstall(folder)) {
        MessageBox(installLanguage(m_language).invalidFolder, L"", MB_ICONSTOP);
        return;
    }
    m_folder = folder;
    CAdUiBaseDialog::OnOK();
}

LRESULT Copyright::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ACAD_KEEPFOCUS) return TRUE;
    return CAdUiBaseDialog::WindowProc(message, wParam, lParam);
}

}  // namespace vexa::setup

#include "kito/settings/SubLaySym.h"

#include "kito/settings/settings_resource.h"

using vexa::kito::ListChoice;

SubLaySym::SubLaySym(const vexa::kito::SettingsRequest& request, vexa::frame::LockedLayerDisplay display)
    : request_(request),
      notGivenEntry_(request.notGiven.empty() ? std::wstring() : vexa::kito::placeholderEntry(request.notGiven)),
      controls_(display) {}

void SubLaySym::DoDataExchange(CDataExchange* dx) {
    CAcUiTabChildDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SYM_LIST, symbolList_);
}

BOOL SubLaySym::OnInitDialog() {
    CAcUiTabChildDialog::OnInitDialog();
    controls_.attach(*this);
    if (!notGivenEntry_.empty()) symbolList_.AddString(notGivenEntry_.c_str());
    for (const std::wstring& symbol : request_.symbols) symbolList_.AddString(symbol.c_str());
    if (request_.symbol) symbol_.selectGiven(symbolList_, *request_.symbol, ListChoice::Missing::Add);
    else symbol_.selectNotGiven(symbolList_, notGivenEntry_);
    SetDlgItemText(IDC_SYM_FADING_LABEL, request_.texts.fadingLabel);
    SetDlgItemText(IDC_SYM_OPACITY_LABEL, request_.texts.opacityLabel);
    SetDlgItemText(IDC_SYM_LABEL, request_.texts.symbolLabel);
    SetDlgItemText(IDC_SYM_EXAMPLE, request_.texts.example);
    return TRUE;
}

void SubLaySym::OnHScroll(UINT code, UINT position, CScrollBar* bar) {
    if (!controls_.onScroll(bar)) CAcUiTabChildDialog::OnHScroll(code, position, bar);
}

BOOL SubLaySym::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (controls_.onCommand(wParam)) return TRUE;
    if (LOWORD(wParam) == IDC_SYM_LIST) {
        if (HIWORD(wParam) == CBN_SELCHANGE) symbol_.onSelectionChange(symbolList_);
        if (HIWORD(wParam) == CBN_DROPDOWN) symbol_.onDropDown(symbolList_);
        return TRUE;
    }
    return CAcUiTabChildDialog::OnCommand(wParam, lParam);
}

void SubLaySym::OnMainDialogOK() { symbol_.settle(notGivenEntry_); }

void SubLaySym::OnMainDialogCancel() { controls_.restore(); }

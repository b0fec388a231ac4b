#include "acad/acui_tab_dialog.h"

#include <algorithm>

CAcUiTabChildDialog::CAcUiTabChildDialog(CWnd* parent, HINSTANCE dialogResource)
    : CAcUiDialog(0, parent, dialogResource) {}
CAcUiTabChildDialog::~CAcUiTabChildDialog() = default;

void CAcUiTabChildDialog::OnTabActivation(BOOL) {}
BOOL CAcUiTabChildDialog::OnTabChanging() { return TRUE; }
void CAcUiTabChildDialog::OnMainDialogOK() {}
void CAcUiTabChildDialog::OnMainDialogCancel() {}

CAcUiTabMainDialog::CAcUiTabMainDialog(UINT templateId, CWnd* parent, HINSTANCE dialogResource)
    : CAcUiDialog(templateId, parent, dialogResource) {}
CAcUiTabMainDialog::~CAcUiTabMainDialog() = default;

BOOL CAcUiTabMainDialog::AddTab(int index, LPCWSTR name, UINT templateId, CAcUiTabChildDialog* page) {
    if (tab_ == nullptr || tab_->m_hWnd == nullptr || page == nullptr || m_hWnd == nullptr) return FALSE;
    index = std::clamp(index, 0, GetTabCount());
    if (tab_->InsertItem(index, name ? name : L"") < 0) return FALSE;
    page->main_ = this;
    if (!page->Create(templateId, this)) {
        tab_->DeleteItem(index);
        page->main_ = nullptr;
        return FALSE;
    }
    // The page covers the tab control's display area, in this dialog's client coordinates.
    RECT area{};
    tab_->GetWindowRect(&area);
    ScreenToClient(&area);
    tab_->AdjustRect(FALSE, &area);
    page->MoveWindow(&area, FALSE);
    page->ShowWindow(SW_HIDE);
    pages_.insert(pages_.begin() + index, page);
    if (active_ >= index) ++active_;
    if (active_ < 0) {
        tab_->SetCurSel(index);
        showPage(index);
    }
    return TRUE;
}

BOOL CAcUiTabMainDialog::AddTab(int index, UINT nameId, UINT templateId, CAcUiTabChildDialog* page) {
    wchar_t name[256] = {};
    LoadStringW(AfxGetResourceHandle(), nameId, name, 256);
    return AddTab(index, name, templateId, page);
}

BOOL CAcUiTabMainDialog::RemoveTab(int index) {
    if (index < 0 || index >= GetTabCount()) return FALSE;
    CAcUiTabChildDialog* page = pages_[static_cast<std::size_t>(index)];
    pages_.erase(pages_.begin() + index);
    tab_->DeleteItem(index);
    page->DestroyWindow();
    page->main_ = nullptr;
    if (active_ == index) {
        active_ = -1;
        if (!pages_.empty()) SetActiveTab(std::min(index, GetTabCount() - 1));
    } else if (active_ > index) {
        --active_;
    }
    return TRUE;
}

BOOL CAcUiTabMainDialog::SetActiveTab(int index) {
    if (tab_ == nullptr || index < 0 || index >= GetTabCount()) return FALSE;
    tab_->SetCurSel(index);
    showPage(index);
    return TRUE;
}

int CAcUiTabMainDialog::GetTabIndex(const CAcUiTabChildDialog* page) const {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (pages_[i] == page) return static_cast<int>(i);
    }
    return -1;
}

void CAcUiTabMainDialog::showPage(int index) {
    if (index == active_) return;
    if (active_ >= 0) {
        CAcUiTabChildDialog* old = pages_[static_cast<std::size_t>(active_)];
        old->OnTabActivation(FALSE);
        old->ShowWindow(SW_HIDE);
    }
    active_ = index;
    CAcUiTabChildDialog* page = pages_[static_cast<std::size_t>(index)];
    page->ShowWindow(SW_SHOW);
    page->OnTabActivation(TRUE);
}

BOOL CAcUiTabMainDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || tab_ == nullptr || header->hwndFrom != tab_->m_hWnd) {
        return CAcUiDialog::OnNotify(wParam, lParam, result);
    }
    if (header->code == TCN_SELCHANGING) {
        const bool keep = active_ >= 0 && !pages_[static_cast<std::size_t>(active_)]->OnTabChanging();
        *result = keep ? TRUE : FALSE;
        return TRUE;
    }
    if (header->code == TCN_SELCHANGE) {
        const int chosen = tab_->GetCurSel();
        if (chosen >= 0 && chosen < GetTabCount()) showPage(chosen);
        *result = 0;
        return TRUE;
    }
    return CAcUiDialog::OnNotify(wParam, lParam, result);
}

void CAcUiTabMainDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    for (CAcUiTabChildDialog* page : pages_) page->OnMainDialogOK();
    EndDialog(IDOK);
}

void CAcUiTabMainDialog::OnCancel() {
    for (CAcUiTabChildDialog* page : pages_) page->OnMainDialogCancel();
    EndDialog(IDCANCEL);
}

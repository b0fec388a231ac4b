// The host's tabbed dialogs (AcUi): a main dialog over a tab control, one child dialog per page.
#pragma once

#include <vector>

#include "acad/acui.h"

// The tab control a main dialog hands to the host library (SetAcadTabPointer).
class CAdUiTab : public CTabCtrl {};

class CAcUiTabMainDialog;

// A page: built from its own child template when its tab is added, shown while its tab is chosen.
class CAcUiTabChildDialog : public CAcUiDialog {
public:
    explicit CAcUiTabChildDialog(CWnd* parent = nullptr, HINSTANCE dialogResource = nullptr);
    ~CAcUiTabChildDialog() override;

    CAcUiTabMainDialog* GetMainDialog() const { return main_; }
    // Called when the page is shown (TRUE) or hidden (FALSE).
    virtual void OnTabActivation(BOOL activate);
    // FALSE keeps the page: the user's change of tab is refused.
    virtual BOOL OnTabChanging();
    // The main dialog's OK and Cancel, passed to every page before it closes.
    virtual void OnMainDialogOK();
    virtual void OnMainDialogCancel();
    void SetDirty(BOOL dirty = TRUE) { dirty_ = dirty != FALSE; }
    BOOL IsDirty() const { return dirty_ ? TRUE : FALSE; }

private:
    friend class CAcUiTabMainDialog;
    CAcUiTabMainDialog* main_ = nullptr;
    bool dirty_ = false;
};

class CAcUiTabMainDialog : public CAcUiDialog {
public:
    explicit CAcUiTabMainDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE dialogResource = nullptr);
    ~CAcUiTabMainDialog() override;

    // The dialog's tab control (subclassed with DDX_Control before), called in OnInitDialog.
    void SetAcadTabPointer(CAdUiTab* tab) { tab_ = tab; }
    CAdUiTab* GetTabControl() const { return tab_; }
    // Inserts a tab at the position and builds its page from the template as a hidden child of
    // this dialog over the tab's display area. FALSE when there is no tab control or page.
    BOOL AddTab(int index, LPCWSTR name, UINT templateId, CAcUiTabChildDialog* page);
    BOOL AddTab(int index, UINT nameId, UINT templateId, CAcUiTabChildDialog* page);
    BOOL RemoveTab(int index);
    // Chooses a tab by index and shows its page.
    BOOL SetActiveTab(int index);
    int GetActiveTab() const { return active_; }
    int GetTabIndex(const CAcUiTabChildDialog* page) const;
    int GetTabCount() const { return static_cast<int>(pages_.size()); }

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnOK() override;
    void OnCancel() override;

private:
    void showPage(int index);

    CAdUiTab* tab_ = nullptr;
    std::vector<CAcUiTabChildDialog*> pages_;
    int active_ = -1;
};

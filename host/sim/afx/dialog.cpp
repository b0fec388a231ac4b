// CDialog and the host's dialog classes: modal and modeless dialogs built from resource templates.
#include "acad/acui.h"
#include "sim/host.h"

using vexa::sim::win::WindowSystem;

CDialog::CDialog(UINT templateId, CWnd* parent) : m_pParentWnd(parent), templateId_(templateId) {
    m_hDialogResource = AfxGetResourceHandle();
}

CDialog::CDialog(LPCWSTR templateName, CWnd* parent) : m_pParentWnd(parent) {
    if (IS_INTRESOURCE(templateName)) templateId_ = static_cast<UINT>(reinterpret_cast<std::uintptr_t>(templateName));
    else templateName_ = templateName ? templateName : L"";
    m_hDialogResource = AfxGetResourceHandle();
}

CDialog::~CDialog() {
    if (m_hWnd != nullptr && vexa::sim::win::current() && vexa::sim::win::current()->exists(m_hWnd)) DestroyWindow();
}

HWND CDialog::build(CWnd* parent, bool modeless) {
    WindowSystem* system = vexa::sim::win::current();
    if (system == nullptr) return nullptr;
    const HINSTANCE module = m_hDialogResource != nullptr ? m_hDialogResource : AfxGetResourceHandle();
    const LPCWSTR name = templateName_.empty() ? MAKEINTRESOURCEW(templateId_) : templateName_.c_str();
    HWND owner = parent != nullptr ? parent->m_hWnd : nullptr;
    // The framework gives a modeless dialog without parent the main window as its owner.
    if (owner == nullptr) owner = modeless ? system->mainWindow() : system->defaultOwner();
    return system->createDialog(module, name, owner, nullptr, 0, [this, system](HWND window) {
        Attach(window);
        vexa::sim::win::Window* found = system->find(window);
        m_pfnSuper = found->proc;
        found->proc = &AfxWndProc;
    });
}

INT_PTR CDialog::DoModal() {
    WindowSystem* system = vexa::sim::win::current();
    if (system == nullptr) return -1;
    modalResult_ = -1;
    const HWND dialog = build(m_pParentWnd, false);
    if (dialog == nullptr) {
        if (m_hWnd != nullptr) Detach();
        return -1;
    }
    const INT_PTR result = system->runModal(dialog);
    if (system->exists(dialog)) ::DestroyWindow(dialog);
    return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    templateId_ = templateId;
    templateName_.clear();
    m_pParentWnd = parent;
    const HWND dialog = build(parent, true);
    if (dialog == nullptr) return FALSE;
    // A modeless dialog may outlive the AutoLISP call that made it.
    vexa::sim::win::current()->find(dialog)->mayOutliveCall = true;
    return TRUE;
}

BOOL CDialog::Create(LPCWSTR templateName, CWnd* parent) {
    if (IS_INTRESOURCE(templateName)) return Create(static_cast<UINT>(reinterpret_cast<std::uintptr_t>(templateName)), parent);
    templateName_ = templateName ? templateName : L"";
    templateId_ = 0;
    m_pParentWnd = parent;
    const HWND dialog = build(parent, true);
    if (dialog == nullptr) return FALSE;
    vexa::sim::win::current()->find(dialog)->mayOutliveCall = true;
    return TRUE;
}

void CDialog::EndDialog(int result) {
    modalResult_ = result;
    if (m_hWnd != nullptr) ::EndDialog(m_hWnd, result);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::NextDlgCtrl() const { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 1, 0); }

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (control != nullptr) ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), 1);
}

void CDialog::SetDefID(UINT id) { ::SendMessageW(m_hWnd, DM_SETDEFID, id, 0); }
DWORD CDialog::GetDefID() const { return static_cast<DWORD>(::SendMessageW(m_hWnd, DM_GETDEFID, 0, 0)); }

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    // The framework's dialog maps IDOK and IDCANCEL to OnOK and OnCancel.
    if (HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}

CAdUiBaseDialog::CAdUiBaseDialog(UINT templateId, CWnd* parent, HINSTANCE dialogResource) : CDialog(templateId, parent) {
    if (dialogResource != nullptr) m_hDialogResource = dialogResource;
}
CAdUiBaseDialog::~CAdUiBaseDialog() = default;

CAdUiDialog::CAdUiDialog(UINT templateId, CWnd* parent, HINSTANCE dialogResource)
    : CAdUiBaseDialog(templateId, parent, dialogResource) {}
CAdUiDialog::~CAdUiDialog() = default;

CAcUiDialog::CAcUiDialog(UINT templateId, CWnd* parent, HINSTANCE dialogResource)
    : CAdUiDialog(templateId, parent, dialogResource) {}
CAcUiDialog::~CAcUiDialog() = default;

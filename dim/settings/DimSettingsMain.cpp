#include "dim/settings/DimSettingsMain.h"

#include "dim/settings/settings_resource.h"

namespace vexa::dim {

DimSettingsMain::DimSettingsMain(SettingsOptions& options)
    : CAcUiTabMainDialog(IDD_DIM_SETTINGS), options_(options),
      dimensionPage_(options.pages[0], options.texts, options.dimensionStyle),
      secondPage_(options.pages[1], options.texts), thirdPage_(options.pages[2], options.texts) {}

void DimSettingsMain::DoDataExchange(CDataExchange* dx) {
    CAcUiTabMainDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_DIM_SETTINGS_TABS, tabs_);
}

BOOL DimSettingsMain::OnInitDialog() {
    CAcUiTabMainDialog::OnInitDialog();
    SetAcadTabPointer(&tabs_);
    const std::vector<std::wstring>& texts = options_.texts;
    SetWindowText(texts[0]);
    SetDlgItemText(IDOK, texts[4]);
    SetDlgItemText(IDCANCEL, texts[5]);
    AddTab(0, texts[1].c_str(), IDD_DIM_SETTINGS_DIM, &dimensionPage_);
    AddTab(1, texts[2].c_str(), IDD_DIM_SETTINGS_SUB, &secondPage_);
    AddTab(2, texts[3].c_str(), IDD_DIM_SETTINGS_SUB, &thirdPage_);
    SetActiveTab(options_.firstTab);
    return TRUE;
}

LRESULT DimSettingsMain::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The host's keep-focus query: the dialog keeps the focus while it is open.
    if (message == WM_ACAD_KEEPFOCUS) return TRUE;
    return CAcUiTabMainDialog::WindowProc(message, wParam, lParam);
}

}  // namespace vexa::dim

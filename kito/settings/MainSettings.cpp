#include "kito/settings/MainSettings.h"

#include "kito/settings/settings_resource.h"

MainSettings::MainSettings(vexa::kito::SettingsRequest request, vexa::frame::LockedLayerDisplay display)
    : CAcUiTabMainDialog(IDD_MAIN_SETTINGS), request_(std::move(request)),
      layerEntries_(vexa::kito::sharedLayerEntries(request_)), symbolPage_(request_, display) {
    for (std::size_t i = 0; i < propertyPages_.size(); ++i) {
        propertyPages_[i] = std::make_unique<PropSettings>(request_, layerEntries_, i);
    }
}

MainSettings::~MainSettings() = default;

void MainSettings::DoDataExchange(CDataExchange* dx) {
    CAcUiTabMainDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SETTINGS_TABS, tabs_);
}

BOOL MainSettings::OnInitDialog() {
    CAcUiTabMainDialog::OnInitDialog();
    SetAcadTabPointer(&tabs_);
    const vexa::kito::SettingsTexts& texts = request_.texts;
    SetWindowText(texts.title);
    SetDlgItemText(IDOK, texts.ok);
    SetDlgItemText(IDCANCEL, texts.cancel);
    AddTab(0, texts.tabNames[0].c_str(), IDD_SUB_LAY_SYM, &symbolPage_);
    for (std::size_t i = 0; i < propertyPages_.size(); ++i) {
        AddTab(static_cast<int>(i + 1), texts.tabNames[i + 1].c_str(), IDD_PROP_SETTINGS, propertyPages_[i].get());
    }
    SetActiveTab(request_.firstTab);
    return TRUE;
}

vexa::kito::SettingsAnswer MainSettings::answer() const {
    vexa::kito::SettingsAnswer answer;
    answer.symbol = symbolPage_.symbol();
    answer.fading = symbolPage_.fading();
    answer.opacity = symbolPage_.opacity();
    for (std::size_t i = 0; i < propertyPages_.size(); ++i) answer.pages[i] = propertyPages_[i]->answer();
    return answer;
}

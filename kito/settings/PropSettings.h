// A property page: the layer, colour and linetype for one kind of object the caller names.
#pragma once

#include "acad/acuicombo.h"
#include "kito/settings/list_choice.h"
#include "kito/settings/settings_answer.h"
#include "kito/settings/settings_request.h"
#include "acad/acui_tab_dialog.h"

class PropSettings : public CAcUiTabChildDialog {
public:
    // page: 0 to 2, the caller's property list and note it shows.
    PropSettings(const vexa::kito::SettingsRequest& request, const std::vector<std::wstring>& layerEntries,
                 std::size_t page);

    // The values as they stand after OK.
    vexa::kito::PageAnswer answer() const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnMainDialogOK() override;

private:
    void initColour();
    void noteSecondPlaceholder() { secondPlaceholder_ = colour_.given() && colour_.value() == fixedEntry_; }

    const vexa::kito::SettingsRequest& request_;
    const std::vector<std::wstring>& layerEntries_;
    std::size_t page_;
    std::wstring notGivenEntry_;
    std::wstring fixedEntry_;
    CComboBox layerList_;
    CAcUiTrueColorComboBox colourList_;
    CAcUiLineTypeComboBox linetypeList_;
    vexa::kito::ListChoice layer_;
    vexa::kito::ListChoice colour_;
    vexa::kito::ListChoice linetype_;
    bool secondPlaceholder_ = false;
    AcCmColor colourValue_;
};

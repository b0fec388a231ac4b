// The first page of the dimension settings: the dimensions' layer, colour and linetype, and
// the hidden dimension-style list, which always holds the drawing's current style.
#pragma once

#include <string>

#include "dim/settings/property_page.h"

namespace vexa::dim {

class DimSettingsDim : public PropertyPage {
public:
    DimSettingsDim(PageProperties& page, const std::vector<std::wstring>& texts, std::wstring& dimensionStyle);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnMainDialogOK() override;

private:
    void fillStyles();

    const std::vector<std::wstring>& texts_;
    std::wstring& dimensionStyle_;
    CComboBox styleList_;
};

}  // namespace vexa::dim

// A page of the dimension settings: the layer, colour and linetype of one kind of object.
#pragma once

#include "acad/acui_tab_dialog.h"
#include "acad/acuicombo.h"
#include "dim/settings/settings_options.h"

namespace vexa::dim {

struct PropertyControls {
    int layer;
    int colour;
    int linetype;
    int layerLabel;
    int colourLabel;
    int linetypeLabel;
};

class PropertyPage : public CAcUiTabChildDialog {
public:
    PropertyPage(PageProperties& page, const std::vector<std::wstring>& texts, PropertyControls controls);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnMainDialogOK() override;

private:
    void initLayers();
    void initColour();
    void initLinetype();

    PageProperties& page_;
    const std::vector<std::wstring>& texts_;
    PropertyControls controls_;
    CComboBox layerList_;
    CAcUiTrueColorComboBox colourList_;
    CAcUiLineTypeComboBox linetypeList_;
};

}  // namespace vexa::dim

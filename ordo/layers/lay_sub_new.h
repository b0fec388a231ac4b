// The "New Sub-Layer" dialog: destination layer, sublayer kind, and the colour and linetype to draw with.
#pragma once

#include "acad/acui.h"
#include "acad/acuicombo.h"
#include "ordo/layers/lay_sub_new_arguments.h"

namespace vexa::ordo {

class LaySubNew : public CAdUiBaseDialog {
public:
    explicit LaySubNew(const SubLayerRequest& request);

    // The user's choices, complete once the dialog ended with OK.
    const SubLayerChoice& choice() const { return choice_; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void selectGivenColour();

    const SubLayerRequest& request_;
    CComboBox destinationList_;
    int kind_ = static_cast<int>(SubLayerKind::Main);
    std::wstring otherSuffix_;
    CAcUiLineTypeComboBox linetypeList_;
    CAcUiTrueColorComboBox colourList_;
    SubLayerChoice choice_;
};

}  // namespace vexa::ordo

// The views dialog: which views of a solid to make, hidden features, mode and automatic return.
#pragma once

#include "acad/acui.h"
#include "solid3d/views_choice.h"

namespace vexa::solid3d {

class SolidToViewsDlg : public CAdUiBaseDialog {
public:
    explicit SolidToViewsDlg(ViewsChoice& choice);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    int checkedViews() const;
    void showPictures();
    void applyAllowedViews();
    void updateOkButton();
    void callSettingsFunction();

    ViewsChoice& choice_;
};

}  // namespace vexa::solid3d

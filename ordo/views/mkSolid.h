// The "3D Modeling" dialog: modelling mode, views check before modelling, time limit.
#pragma once

#include "acad/acui.h"
#include "ordo/views/model_options.h"

namespace vexa::ordo {

class mkSolid : public CAdUiBaseDialog {
public:
    explicit mkSolid(ModelOptions& options);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT position, CScrollBar* bar) override;
    void OnOK() override;

private:
    void enableCheckItems();
    void describeMode(int mode);

    ModelOptions& options_;
    CSliderCtrl modeSlider_;
    CBitmapButton helpButton_;
    std::wstring helpCaption_;
    std::wstring helpText_;
};

}  // namespace vexa::ordo

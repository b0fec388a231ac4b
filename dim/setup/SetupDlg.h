// The automatic dimensioning setup dialog: kind of dimensioning, objects, hidden features,
// orthogonal layout and the chamfer size left undimensioned.
#pragma once

#include "acad/acui.h"
#include "frame/number_text.h"
#include "dim/setup/setup_options.h"

namespace vexa::dim {

class SetupDlg : public CAdUiBaseDialog {
public:
    explicit SetupDlg(SetupOptions& options);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    void readControls();
    void writeControls();
    void enableForType();
    void invokeStyleFunction();

    SetupOptions& options_;
    frame::NumberTextField chamfer_;
    bool opened_ = false;  // the chamfer text is checked only once the dialog has opened
};

}  // namespace vexa::dim

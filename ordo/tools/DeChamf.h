// The "DeChamfer" dialog: the fillet and chamfer sizes the de-chamfer tool looks for.
#pragma once

#include "acad/acui.h"
#include "frame/number_text.h"
#include "ordo/tools/chamfer_options.h"

namespace vexa::ordo {

class DeChamf : public CAdUiBaseDialog {
public:
    explicit DeChamf(DeChamfOptions& options);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    DeChamfOptions& options_;
    frame::NumberTextField fillet_;
    frame::NumberTextField chamfer_;
    bool opened_ = false;  // the fields are checked only once the dialog has opened
};

}  // namespace vexa::ordo

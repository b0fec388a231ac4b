// The "Initial Setup" dialog: the drawing scale and the two lengths of the layer series code.
#pragma once

#include "acad/acui.h"
#include "frame/number_text.h"
#include "ordo/tools/frame_setup_options.h"

namespace vexa::ordo {

class InitScale : public CAdUiBaseDialog {
public:
    explicit InitScale(InitScaleOptions& options);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    InitScaleOptions& options_;
    frame::NumberTextField scale_;
    bool opened_ = false;
};

}  // namespace vexa::ordo

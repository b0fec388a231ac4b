// The "DeChamf Command" dialog: the working mode with a fillet radius and a chamfer distance.
#pragma once

#include "acad/acui.h"
#include "frame/number_text.h"
#include "ordo/tools/chamfer_options.h"

namespace vexa::ordo {

class DeChamfComm : public CAdUiBaseDialog {
public:
    explicit DeChamfComm(DeChamfCommOptions& options);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    // A size box that the user changed: its mode radio comes on.
    void sizeChanged(int comboId, WORD notification);

    DeChamfCommOptions& options_;
    frame::NumberTextField fillet_;
    frame::NumberTextField chamfer_;
    bool opened_ = false;
};

}  // namespace vexa::ordo

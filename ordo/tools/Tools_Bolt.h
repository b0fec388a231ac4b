// The "Bolt Manager" dialog: fastener type, nominal diameter and view.
#pragma once

#include "acad/acui.h"
#include "ordo/tools/fastener_options.h"

namespace vexa::ordo {

class Tools_Bolt : public CAdUiBaseDialog {
public:
    explicit Tools_Bolt(BoltOptions& options);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void applyTypeRule();

    BoltOptions& options_;
};

}  // namespace vexa::ordo

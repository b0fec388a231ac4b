// The "Drill Manager" dialog: hole type, nominal diameter or a user size, and view.
#pragma once

#include "acad/acui.h"
#include "ordo/tools/fastener_options.h"

namespace vexa::ordo {

class Tools_Drill : public CAdUiBaseDialog {
public:
    explicit Tools_Drill(DrillOptions& options);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void exchangeRadios(CDataExchange* dx);
    void applyTypeRule();

    DrillOptions& options_;
};

}  // namespace vexa::ordo

// The "Cylinder Manager" dialog: view, bore and stroke of a cylinder of a given series.
#pragma once

#include "acad/acui.h"
#include "ordo/tools/cylinder_options.h"

namespace vexa::ordo {

class Tools_Cyld : public CAdUiBaseDialog {
public:
    explicit Tools_Cyld(CylinderOptions& options);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void seriesRule();
    void strokeRule();

    CylinderOptions& options_;
};

}  // namespace vexa::ordo

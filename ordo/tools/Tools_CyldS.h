// The "Cylinder-Type manager" dialog: the cylinder series.
#pragma once

#include "acad/acui.h"
#include "ordo/tools/cylinder_options.h"

namespace vexa::ordo {

class Tools_CyldS : public CAdUiBaseDialog {
public:
    explicit Tools_CyldS(SeriesOptions& options);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

private:
    SeriesOptions& options_;
};

}  // namespace vexa::ordo

// The "2D Drawing Modifying" dialog: marking colours of lacking and redundant objects.
#pragma once

#include "acad/acui.h"
#include "acad/acuicombo.h"
#include "ordo/views/marking_colours.h"

namespace vexa::ordo {

class DimFix : public CAcUiDialog {
public:
    explicit DimFix(MarkingColours& colours);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    MarkingColours& colours_;
    CAcUiTrueColorComboBox lackingBox_;
    CAcUiTrueColorComboBox redundantBox_;
};

}  // namespace vexa::ordo

// The "Frame Attribute" dialog: the eighteen fields of a title block.
#pragma once

#include "acad/acui.h"
#include "ordo/tools/frame_attribute_options.h"

namespace vexa::ordo {

class FrmAtt : public CAdUiBaseDialog {
public:
    explicit FrmAtt(FrmAttOptions& options);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    FrmAttOptions& options_;
};

}  // namespace vexa::ordo

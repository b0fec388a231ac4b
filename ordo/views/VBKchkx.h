// The "Views check setup" dialog: tolerances and check items of the views check.
#pragma once

#include "acad/acui.h"
#include "ordo/views/views_check_setup.h"

namespace vexa::ordo {

class VBKchkx : public CAdUiBaseDialog {
public:
    explicit VBKchkx(ViewsCheckSetup& setup);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

private:
    ViewsCheckSetup& setup_;
};

}  // namespace vexa::ordo

// The "Views Error Check" dialog: the errors the views check found, and whether to go on to
// the automatic 3D model.
#pragma once

#include "acad/acui.h"
#include "ordo/views/views_error_report.h"

namespace vexa::ordo {

class VBKchkMsg : public CAdUiBaseDialog {
public:
    explicit VBKchkMsg(ViewsErrorReport& report);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    void showOnly(int id, bool shown);
    void showContinueQuestion(bool asks);

    ViewsErrorReport& report_;
};

}  // namespace vexa::ordo

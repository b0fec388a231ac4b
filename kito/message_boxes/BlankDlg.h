// The caption-less notice window of "Vexa-msgbox2": one line of text while LISP code works.
#pragma once

#include <string>

#include "acad/acui.h"

namespace vexa::kito {

class BlankDlg : public CAdUiBaseDialog {
public:
    explicit BlankDlg(std::wstring text);

protected:
    BOOL OnInitDialog() override;

private:
    std::wstring text_;
};

}  // namespace vexa::kito

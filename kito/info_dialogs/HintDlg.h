// The hint dialog: a read-only text with a check box by which the user asks not to see it again.
#pragma once

#include <string>

#include "kito/info_dialogs/DontShowAgainDlg.h"

namespace vexa::kito {

class HintDlg : public DontShowAgainDlg {
public:
    HintDlg(std::wstring text, std::wstring caption, std::wstring checkText, std::wstring okText, bool showCheck);

protected:
    BOOL OnInitDialog() override;

private:
    std::wstring text_;
};

}  // namespace vexa::kito

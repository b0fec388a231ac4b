// The hint dialog: a read-only text with a check box by which the user asks not to see it again.
#pragma once

#include <string>

#include "kito/keep_focus_dialog.h"

namespace vexa::kito {

class HintDlg : public KeepFocusDialog<1> {
public:
    HintDlg(std::wstring text, std::wstring caption, std::wstring checkText, std::wstring okText, bool showCheck);

    // The check box's state at OK (BST_UNCHECKED, BST_CHECKED); 0 when the dialog ended otherwise.
    int result() const { return result_; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    std::wstring text_;
    std::wstring caption_;
    std::wstring checkText_;
    std::wstring okText_;
    bool showCheck_;
    int result_ = 0;
};

}  // namespace vexa::kito

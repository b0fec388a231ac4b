// A hint dialog's frame: its caption, a "don't show again" check box (shown or hidden) and an
// OK button whose press keeps the box's state as the dialog's result.
#pragma once

#include <string>

#include "kito/keep_focus_dialog.h"

namespace vexa::kito {

class DontShowAgainDlg : public KeepFocusDialog<1> {
public:
    // The check box's state at OK (BST_UNCHECKED, BST_CHECKED); 0 when the dialog ended otherwise.
    int result() const { return result_; }

protected:
    DontShowAgainDlg(UINT templateId, int checkId, std::wstring caption, std::wstring checkText, std::wstring okText,
                     bool showCheck);

    // Sets the caption and the texts of the check box and OK, and shows or hides the box.
    void labelFrame();
    void OnOK() override;

private:
    int checkId_;
    std::wstring caption_;
    std::wstring checkText_;
    std::wstring okText_;
    bool showCheck_;
    int result_ = 0;
};

}  // namespace vexa::kito

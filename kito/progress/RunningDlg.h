// The "working" window: a line of text over an endless animation, one picture at a time.
#pragma once

#include <string>

#include "kito/keep_focus_dialog.h"

namespace vexa::kito {

// The host keeps the keyboard focus while it is up (keep-focus answer 0).
class RunningDlg : public KeepFocusDialog<0> {
public:
    static constexpr int kFrames = 27;
    static constexpr UINT_PTR kTimer = 1;
    static constexpr UINT kPeriod = 100;

    explicit RunningDlg(std::wstring text);

    void setText(std::wstring text);
    int frame() const { return frame_; }

protected:
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;

private:
    std::wstring text_;
    int frame_ = 0;
};

// The one running window of the process: opened or relabelled by a call with a text,
// destroyed by a call without one (and at unload).
void showRunning(const std::wstring& text);
void closeRunning();

}  // namespace vexa::kito

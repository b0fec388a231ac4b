// The video help window: a resizable window filled by the media player, hidden on close and
// reused, that tells the product's LISP code when the user closes it.
#pragma once

#include <string>

#include "kito/keep_focus_dialog.h"
#include "kito/progress/CWMPPlayer4.h"

namespace vexa::kito {

class VideoHelpDlg : public KeepFocusDialog<1> {
public:
    explicit VideoHelpDlg(std::wstring title);

    // Shows the window, plays the address and hands the keyboard back to the host.
    void play(const std::wstring& url);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnClose() override;

private:
    CWMPPlayer4 player_;
    std::wstring title_;
    int widthMargin_ = 0;
    int heightMargin_ = 0;
};

// The one video window of the process: made at the first call, destroyed only at unload.
void showVideoHelp(const std::wstring& title, const std::wstring& url);
void destroyVideoHelp();

}  // namespace vexa::kito

// The list editor of frame attributes: (name, value) rows, the first ones read-only, with a
// value box under the list.
#pragma once

#include "acad/acui.h"
#include "ordo/tools/frame_attribute_options.h"

namespace vexa::ordo {

class EditFrameAttDlg : public CAdUiBaseDialog {
public:
    explicit EditFrameAttDlg(FrameListOptions& options);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnOK() override;

private:
    void makeCurrent(int row);
    // Enter in the value box: the value is stored and the next row (after the last, the first) comes up.
    void nextRow();

    FrameListOptions& options_;
    std::wstring namePrefix_;
    int current_ = -1;
    bool valueFocus_ = false;
    CListCtrl list_;
};

}  // namespace vexa::ordo

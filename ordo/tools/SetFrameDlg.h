// The frame set-up dialog: paper size, frame objects, drawing scale and the frame attributes
// linked to text objects of the drawing.
#pragma once

#include "acad/acui.h"
#include "frame/number_text.h"
#include "ordo/tools/frame_setup_options.h"

namespace vexa::ordo {

class SetFrameDlg : public CAdUiBaseDialog {
public:
    explicit SetFrameDlg(FrameSetupOptions& options);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnOK() override;

private:
    const std::wstring& caption(std::size_t slot) const { return options_.captions[slot]; }
    void choosePaper(int radio);
    void sizeChanged(int box);
    void computeScale();
    void showFrameObjectCount();
    void selectFrameObjects();
    void makeCurrent(int row);
    void addRow();
    void removeRow();
    // Picks the text object for a row: the dialog steps aside until the pick ends.
    void link(int row);
    std::vector<std::wstring> handles() const;

    FrameSetupOptions& options_;
    frame::NumberTextField width_;
    frame::NumberTextField height_;
    frame::NumberTextField scale_;
    bool sizeFocus_ = false;
    bool opened_ = false;
    int current_ = -1;
    CButton automatic_;
    CAcUiSelectButton select_;
    CListCtrl list_;
};

}  // namespace vexa::ordo

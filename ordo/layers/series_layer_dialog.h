// What the new- and edit-layer dialogs share: eight rows of name, colour and linetype, the
// HID and DES toggles, the "Color" button, and the enlarge toggle.
#pragma once

#include <array>

#include "acad/acui.h"
#include "acad/acuicombo.h"
#include "ordo/layers/flash_colours.h"
#include "ordo/layers/series_rows.h"

namespace vexa::ordo {

// Which control takes each caption slot of a dialog (-1: the slot is not shown).
struct SeriesCaptionSlots {
    int mainLabel;
    int sublayerGroup;
    int colorButton;
    int lightLabel;
    int linetypeLabel;
    int toggleSmall;
    int toggleLarge;
    int ok;
    int cancel;
    std::size_t count;
};

class SeriesLayerDialog : public CAdUiBaseDialog {
public:
    // The product's answer once OK has sent the rows: a name, or empty when nothing changed.
    const std::wstring& result() const { return result_; }

protected:
    SeriesLayerDialog(UINT templateId, SeriesDialog kind, SeriesRows series, const SeriesCaptionSlots& slots,
                      FlashColourSlots& flashColours);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    // Called once the rows are read back at OK: sends them and sets the result.
    virtual void sendRows() = 0;
    // Whether OK may close the dialog (the new-layer dialog refuses an empty main name).
    virtual bool acceptable() { return true; }

    std::wstring caption(std::size_t slot, std::wstring fallback = {}) const;
    const SeriesRows& series() const { return series_; }
    const std::array<frame::LayerRow, kSeriesRows>& rowsOut() const { return rowsOut_; }
    const std::wstring& mainName() const { return mainName_; }
    void setResult(std::wstring result) { result_ = std::move(result); }

private:
    void showRowColour(int row, const AcCmColor& colour);
    void toggleSize();
    void toggleSuffix(int row, const wchar_t* suffix, int button);
    void flashColours();
    void readRows();

    SeriesDialog kind_;
    SeriesRows series_;
    SeriesCaptionSlots slots_;
    FlashColourSlots& flashColours_;
    std::array<frame::LayerRow, kSeriesRows> rowsOut_{};
    std::wstring mainName_;
    std::array<std::wstring, 5> suffixes_;
    std::array<CAcUiTrueColorComboBox, kSeriesRows> colours_;
    std::array<CAcUiLineTypeComboBox, kSeriesRows> linetypes_;
    short colourPresses_ = 0;
    int fullHeight_ = 0;
    int collapsedLimit_ = 0;
    int width_ = 0;
    std::wstring result_;
};

}  // namespace vexa::ordo

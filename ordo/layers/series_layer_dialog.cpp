#include "ordo/layers/series_layer_dialog.h"

#include "frame/colour_quad.h"
#include "frame/product_call.h"
#include "ordo/layers/product_commands.h"
#include "frame/captions.h"
#include "ordo/layers/layer_manager_resource.h"

namespace vexa::ordo {

namespace {

constexpr int kToggleStep = 250;  // pixels between the small and the large state

int colourList(int row) { return IDC_ROW_COLOR_BASE + row; }
int linetypeList(int row) { return IDC_ROW_LINETYPE_BASE + row; }
int nameBox(int row) { return IDC_ROW_NAME_BASE + row; }

}  // namespace

SeriesLayerDialog::SeriesLayerDialog(UINT templateId, SeriesDialog kind, SeriesRows series,
                                     const SeriesCaptionSlots& slots, FlashColourSlots& flashColours)
    : CAdUiBaseDialog(templateId), kind_(kind), series_(std::move(series)), slots_(slots),
      flashColours_(flashColours), mainName_(series_.rows[0].name) {
    for (int row = 4; row <= kSeriesRows; ++row) {
        if (series_.rows[row - 1].exists == 1) suffixes_[row - 4] = series_.rows[row - 1].name;
    }
    for (auto& colours : colours_) {
        colours.SetUseByLayer(FALSE);
        colours.SetUseByBlock(FALSE);
    }
    for (auto& linetypes : linetypes_) linetypes.SetUseOther(FALSE);
}

std::wstring SeriesLayerDialog::caption(std::size_t slot, std::wstring fallback) const {
    return frame::captionOr(series_.captions, slot, std::move(fallback));
}

void SeriesLayerDialog::DoDataExchange(CDataExchange* dx) {
    CAdUiBaseDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_ROW_MAIN_NAME, mainName_);
    for (int row = 4; row <= kSeriesRows; ++row) DDX_Text(dx, nameBox(row), suffixes_[row - 4]);
    for (int row = 1; row <= kSeriesRows; ++row) {
        DDX_Control(dx, colourList(row), colours_[row - 1]);
        DDX_Control(dx, linetypeList(row), linetypes_[row - 1]);
    }
}

void SeriesLayerDialog::showRowColour(int row, const AcCmColor& colour) {
    CAcUiTrueColorComboBox& list = colours_[row - 1];
    list.SetCurSel(list.AddColorToMRU(colour));
}

BOOL SeriesLayerDialog::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    if (series_.rows[1].exists == 1) GetDlgItem(IDC_ROW_HID)->EnableWindow(FALSE);
    if (series_.rows[2].exists == 1) GetDlgItem(IDC_ROW_DES)->EnableWindow(FALSE);
    for (int row = 1; row <= kSeriesRows; ++row) {
        // The lists offer the drawing's own linetypes only.
        linetypes_[row - 1].DeleteString(0);
        linetypes_[row - 1].DeleteString(0);
        const frame::LayerRow& shown = series_.rows[shownRowAtOpening(series_, kind_, row) - 1];
        showRowColour(row, frame::colourFromQuad(shown.colour));
        linetypes_[row - 1].SelectString(-1, shown.linetype.c_str());
    }
    RECT frame{};
    GetWindowRect(&frame);
    fullHeight_ = frame.bottom - frame.top;
    width_ = frame.right - frame.left;
    collapsedLimit_ = fullHeight_ - 10;
    toggleSize();
    frame::putCaptionsKeepingResourceTexts(*this, series_.captions, {0});
    const std::pair<int, int> labels[] = {{slots_.mainLabel, IDC_ROW_MAIN_LABEL},
                                          {slots_.sublayerGroup, IDC_ROW_SUBLAYER_GROUP},
                                          {slots_.colorButton, IDC_ROW_COLOR_BUTTON},
                                          {slots_.lightLabel, IDC_ROW_LIGHT_LABEL},
                                          {slots_.linetypeLabel, IDC_ROW_LINETYPE_LABEL},
                                          {slots_.ok, IDOK},
                                          {slots_.ok, IDC_ROW_LARGE_OK},
                                          {slots_.cancel, IDCANCEL},
                                          {slots_.cancel, IDC_ROW_LARGE_CANCEL}};
    for (const auto& [slot, control] : labels) {
        if (series_.captions && static_cast<std::size_t>(slot) < series_.captions->size()) {
            SetDlgItemText(control, (*series_.captions)[static_cast<std::size_t>(slot)]);
        }
    }
    return TRUE;
}

void SeriesLayerDialog::toggleSize() {
    RECT frame{};
    GetWindowRect(&frame);
    const int height = frame.bottom - frame.top;
    const bool enlarge = height <= collapsedLimit_;
    SetWindowPos(nullptr, 0, 0, width_, enlarge ? height + kToggleStep : height - kToggleStep,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int large = enlarge ? SW_SHOW : SW_HIDE;
    const int small = enlarge ? SW_HIDE : SW_SHOW;
    GetDlgItem(IDOK)->ShowWindow(small);
    GetDlgItem(IDCANCEL)->ShowWindow(small);
    for (int control : {IDC_ROW_LARGE_OK, IDC_ROW_LARGE_CANCEL, IDC_ROW_SUBLAYER_GROUP, IDC_ROW_HID, IDC_ROW_DES}) {
        GetDlgItem(control)->ShowWindow(large);
    }
    for (int row = 2; row <= kSeriesRows; ++row) {
        if (row >= 4) GetDlgItem(nameBox(row))->ShowWindow(large);
        GetDlgItem(colourList(row))->ShowWindow(large);
        GetDlgItem(linetypeList(row))->ShowWindow(large);
    }
    const std::wstring text = enlarge ? caption(static_cast<std::size_t>(slots_.toggleLarge), L"Advance <<")
                                      : caption(static_cast<std::size_t>(slots_.toggleSmall), L"Advance >>");
    SetDlgItemText(IDC_ROW_TOGGLE, text);
}

void SeriesLayerDialog::toggleSuffix(int row, const wchar_t* suffix, int button) {
    std::wstring& name = series_.rows[row - 1].name;
    const bool set = name != suffix;
    name = set ? suffix : L"";
    GetDlgItem(button)->EnableWindow(set ? FALSE : TRUE);
}

void SeriesLayerDialog::flashColours() {
    frame::ListBuilder counter;
    counter.integer(++colourPresses_);
    const auto answer = frame::callProduct(product::kFlashColour, counter);
    if (!answer) return;
    readFlashColours(answer->get(), flashColours_);
    for (int row = 1; row <= 3; ++row) {
        AcCmColor colour;
        colour.setColorIndex(flashColours_[static_cast<std::size_t>(row - 1)]);
        showRowColour(row, colour);
    }
}

BOOL SeriesLayerDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_ROW_TOGGLE: toggleSize(); return TRUE;
        case IDC_ROW_HID: toggleSuffix(2, L"^HID", IDC_ROW_HID); return TRUE;
        case IDC_ROW_DES: toggleSuffix(3, L"^DES", IDC_ROW_DES); return TRUE;
        case IDC_ROW_COLOR_BUTTON: flashColours(); return TRUE;
        case IDC_ROW_LARGE_OK: OnOK(); return TRUE;
        case IDC_ROW_LARGE_CANCEL: OnCancel(); return TRUE;
        default: break;
        }
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

void SeriesLayerDialog::readRows() {
    for (int row = 1; row <= kSeriesRows; ++row) {
        frame::LayerRow& out = rowsOut_[static_cast<std::size_t>(row - 1)];
        out.row = static_cast<short>(row);
        out.name = row == 1 ? mainName_ : row <= 3 ? series_.rows[row - 1].name : suffixes_[row - 4];
        out.colour = frame::quadFromColour(colours_[row - 1].GetCurrentItemColor());
        const int selected = linetypes_[row - 1].GetCurSel();
        out.linetype.clear();
        if (selected >= 0) linetypes_[row - 1].GetLBText(selected, out.linetype);
    }
}

void SeriesLayerDialog::OnOK() {
    if (!UpdateData(TRUE) || !acceptable()) return;
    readRows();
    EndDialog(IDOK);
    sendRows();
}

}  // namespace vexa::ordo

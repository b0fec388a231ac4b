#include "ordo/tools/Tools_Cyld.h"

#include "frame/dialog_controls.h"
#include "ordo/tools/radio_groups.h"
#include "frame/captions.h"

namespace vexa::ordo {

namespace {

template <std::size_t N>
constexpr std::array<int, N> consecutiveIds(int first) {
    std::array<int, N> ids{};
    for (std::size_t i = 0; i < N; ++i) ids[i] = first + static_cast<int>(i);
    return ids;
}

constexpr auto kBoreRadios = consecutiveIds<kBoreSizes.size()>(IDC_FIRST_BORE);
constexpr auto kStrokeRadios = consecutiveIds<kStrokeLengths.size()>(IDC_FIRST_STROKE);
constexpr auto kViewPictures = consecutiveIds<kSeriesCount * kCylinderViewCount>(IDC_FIRST_VIEW_PICTURE);

}  // namespace

Tools_Cyld::Tools_Cyld(CylinderOptions& options) : CAdUiBaseDialog(IDD_TOOLS_CYLD), options_(options) {}

void Tools_Cyld::DoDataExchange(CDataExchange* dx) {
    CAdUiBaseDialog::DoDataExchange(dx);
    DDX_Radio(dx, IDC_CYLINDER_TOP, options_.choice.view);
    DDX_Radio(dx, IDC_FIRST_BORE, options_.choice.bore);
    DDX_Radio(dx, IDC_FIRST_STROKE, options_.choice.stroke);
}

BOOL Tools_Cyld::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    UpdateData(TRUE);
    seriesRule();
    strokeRule();
    frame::putCaptionsBlankingMissing(*this, options_.captions,
                 {{IDC_VIEW_GROUP, 1}, {IDC_SIZE_GROUP, 2}, {IDC_STROKE_GROUP, 3}, {IDOK, 4}, {IDCANCEL, 5}});
    UpdateData(FALSE);
    return TRUE;
}

// A series outside the catalogue leaves the pictures and bores as the template has them.
void Tools_Cyld::seriesRule() {
    const std::optional<BoreRadios> bores = boresOffered(options_.choice.series);
    if (!bores) return;
    for (std::size_t i = 0; i < kViewPictures.size(); ++i) {
        const bool ofSeries = static_cast<int>(i) / kCylinderViewCount == options_.choice.series;
        GetDlgItem(kViewPictures[i])->ShowWindow(ofSeries ? SW_SHOW : SW_HIDE);
    }
    frame::enableControls(*this, kBoreRadios, *bores);
    options_.choice = applySeriesRule(options_.choice);
}

void Tools_Cyld::strokeRule() {
    if (const std::optional<StrokeRadios> strokes = strokesOffered(options_.choice.series, options_.choice.bore)) {
        frame::enableControls(*this, kStrokeRadios, *strokes);
        options_.choice = applyStrokeRule(options_.choice);
    }
}

BOOL Tools_Cyld::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (frame::clickedOneOf(wParam, kBoreRadios)) {
        UpdateData(TRUE);
        strokeRule();
        UpdateData(FALSE);
        return TRUE;
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

}  // namespace vexa::ordo

#include "ordo/views/mkSolid.h"

#include "frame/captions.h"
#include "ordo/views/resource_views.h"

namespace vexa::ordo {

mkSolid::mkSolid(ModelOptions& options)
    : CAdUiBaseDialog(IDD_MKSOLID),
      options_(options),
      helpCaption_(options.captions[kHelpTitleSlot]),
      helpText_(options.captions[kHelpTextSlot]) {}

void mkSolid::DoDataExchange(CDataExchange* dx) {
    CAdUiBaseDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_MODE_SLIDER, modeSlider_);
    DDX_Check(dx, IDC_VIEWS_CHECK, options_.viewsCheck);
    DDX_Check(dx, IDC_FREE_ENDPOINT, options_.freeEndpoint);
    DDX_Check(dx, IDC_MIS_PROJECTED, options_.misProjected);
    DDX_Text(dx, IDC_LIMIT, options_.limit);
}

BOOL mkSolid::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    modeSlider_.SetTicFreq(1);
    modeSlider_.SetRange(kRoughestMode, kFinestMode);
    modeSlider_.SetPos(options_.mode);
    modeSlider_.Invalidate();
    enableCheckItems();
    helpButton_.AutoLoad(IDC_HELP_BUTTON, this);
    const std::vector<std::wstring>& captions = options_.captions;
    frame::putCaptionsBlankingMissing(*this, captions,
                 {{IDC_SOLID_GROUP, 1},
                  {IDC_VIEWS_CHECK_GROUP, 17},
                  {IDC_VIEWS_CHECK, 18},
                  {IDC_FREE_ENDPOINT, 19},
                  {IDC_MIS_PROJECTED, 20},
                  {IDC_CALCULATIONS_GROUP, 21},
                  {IDC_LIMIT_LABEL, 22},
                  {IDC_HELP_BUTTON, 24},
                  {IDOK, 26},
                  {IDCANCEL, 27}});
    SetDlgItemText(IDC_ROUGH_LABEL, sliderEndText(captions[2], captions[3]));
    SetDlgItemText(IDC_FINE_LABEL, sliderEndText(captions[4], captions[5]));
    describeMode(options_.mode);
    return TRUE;
}

void mkSolid::enableCheckItems() {
    for (int id : {IDC_FREE_ENDPOINT, IDC_MIS_PROJECTED}) GetDlgItem(id)->EnableWindow(options_.viewsCheck != 0);
}

// A mode outside the slider's range keeps the description the template gives.
void mkSolid::describeMode(int mode) {
    if (const std::optional<std::size_t> slot = modeDescriptionSlot(mode)) {
        SetDlgItemText(IDC_MODE_DESCRIPTION, options_.captions[*slot]);
    }
}

BOOL mkSolid::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_VIEWS_CHECK:
            // Only the box itself is read, so that a half-typed limit raises no complaint here.
            options_.viewsCheck = static_cast<int>(IsDlgButtonChecked(IDC_VIEWS_CHECK));
            enableCheckItems();
            return TRUE;
        case IDC_HELP_BUTTON: MessageBox(helpText_.c_str(), helpCaption_.c_str(), MB_OK); return TRUE;
        default: break;
        }
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

void mkSolid::OnHScroll(UINT code, UINT position, CScrollBar* bar) {
    if (static_cast<void*>(bar) == static_cast<void*>(&modeSlider_)) {
        describeMode(modeSlider_.GetPos());
        return;
    }
    CAdUiBaseDialog::OnHScroll(code, position, bar);
}

void mkSolid::OnOK() {
    if (!UpdateData(TRUE)) return;
    options_.mode = modeSlider_.GetPos();
    EndDialog(IDOK);
}

}  // namespace vexa::ordo

#include "kito/settings/PropSettings.h"

#include <algorithm>
#include <cstdint>

#include "kito/settings/settings_resource.h"

using vexa::kito::ListChoice;
using vexa::kito::PageColour;

namespace {

AcCmColor hostColour(const vexa::kito::SettingsColour& given) {
    AcCmColor colour;
    switch (given.method) {
        case 192: colour.setByLayer(); break;
        case 193: colour.setByBlock(); break;
        case 195: colour.setColorIndex(static_cast<std::int16_t>(std::clamp(given.index, 1, 255))); break;
        default:
            colour.setRGB(static_cast<std::uint8_t>(given.red), static_cast<std::uint8_t>(given.green),
                          static_cast<std::uint8_t>(given.blue));
            break;
    }
    colour.setNames(given.name.c_str(), given.book.c_str());
    return colour;
}

}  // namespace

PropSettings::PropSettings(const vexa::kito::SettingsRequest& request, const std::vector<std::wstring>& layerEntries,
                           std::size_t page)
    : request_(request), layerEntries_(layerEntries), page_(page),
      notGivenEntry_(request.notGiven.empty() ? std::wstring() : vexa::kito::placeholderEntry(request.notGiven)),
      fixedEntry_(vexa::kito::placeholderEntry(request.fixedChoice)) {
    // Further linetypes would need the host's loading dialog; the page offers the drawing's own.
    linetypeList_.SetUseOther(FALSE);
}

void PropSettings::DoDataExchange(CDataExchange* dx) {
    CAcUiTabChildDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PROP_LAYER, layerList_);
    DDX_Control(dx, IDC_PROP_COLOR, colourList_);
    DDX_Control(dx, IDC_PROP_LINETYPE, linetypeList_);
}

void PropSettings::initColour() {
    if (!notGivenEntry_.empty()) colourList_.AddString(notGivenEntry_.c_str());
    colourList_.AddString(fixedEntry_.c_str());
    const PageColour& given = request_.pages[page_].colour;
    if (given.kind == PageColour::Kind::Given) {
        colourList_.SetCurSel(colourList_.AddColorToMRU(hostColour(given.colour)));
        colour_.onSelectionChange(colourList_);
    } else if (given.kind == PageColour::Kind::SecondPlaceholder) {
        colour_.selectGiven(colourList_, fixedEntry_, ListChoice::Missing::First);
    } else {
        colour_.selectNotGiven(colourList_, notGivenEntry_);
    }
    noteSecondPlaceholder();
}

BOOL PropSettings::OnInitDialog() {
    CAcUiTabChildDialog::OnInitDialog();
    const vexa::kito::PageValues& values = request_.pages[page_];
    initColour();

    if (!notGivenEntry_.empty()) linetypeList_.AddString(notGivenEntry_.c_str());
    linetypeList_.AddString(fixedEntry_.c_str());
    if (values.linetype) linetype_.selectGiven(linetypeList_, *values.linetype, ListChoice::Missing::First);
    else linetype_.selectNotGiven(linetypeList_, notGivenEntry_);

    layerList_.ResetContent();
    layerList_.InitStorage(static_cast<int>(layerEntries_.size()), 0);
    for (const std::wstring& entry : layerEntries_) layerList_.AddString(entry.c_str());
    if (values.layer) layer_.selectGiven(layerList_, *values.layer, ListChoice::Missing::Add);
    else layer_.selectNotGiven(layerList_, notGivenEntry_);

    const auto& labels = request_.texts.propertyLabels;
    SetDlgItemText(IDC_PROP_LAYER_LABEL, labels[0]);
    SetDlgItemText(IDC_PROP_COLOR_LABEL, labels[1]);
    SetDlgItemText(IDC_PROP_LINETYPE_LABEL, labels[2]);
    const std::wstring& note = request_.texts.notes[page_];
    SetDlgItemText(IDC_PROP_NOTE, note);
    if (note.empty()) GetDlgItem(IDC_PROP_NOTE)->ShowWindow(SW_HIDE);
    return TRUE;
}

BOOL PropSettings::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT code = HIWORD(wParam);
    if (code != CBN_SELCHANGE && code != CBN_DROPDOWN) return CAcUiTabChildDialog::OnCommand(wParam, lParam);
    auto handle = [code](ListChoice& choice, CComboBox& list) {
        if (code == CBN_SELCHANGE) choice.onSelectionChange(list);
        else choice.onDropDown(list);
    };
    switch (LOWORD(wParam)) {
        case IDC_PROP_LAYER: handle(layer_, layerList_); return TRUE;
        case IDC_PROP_COLOR:
            handle(colour_, colourList_);
            noteSecondPlaceholder();
            return TRUE;
        case IDC_PROP_LINETYPE: handle(linetype_, linetypeList_); return TRUE;
        default: return CAcUiTabChildDialog::OnCommand(wParam, lParam);
    }
}

void PropSettings::OnMainDialogOK() {
    layer_.settle(notGivenEntry_);
    colour_.settle(notGivenEntry_);
    linetype_.settle(notGivenEntry_);
    if (colour_.given() && !secondPlaceholder_) colourList_.GetCurrentItemColor(colourValue_);
}

vexa::kito::PageAnswer PropSettings::answer() const {
    vexa::kito::PageAnswer answer{layer_.value(), {}, linetype_.value()};
    if (!colour_.given()) return answer;
    answer.colour = secondPlaceholder_ ? vexa::kito::secondPlaceholderAnswer() : vexa::kito::colourAnswer(colourValue_);
    return answer;
}

#include "dim/settings/property_page.h"

namespace vexa::dim {

namespace {

// The first entry that begins with the text, case ignored, trying the first entry last.
int selectByPrefix(CComboBox& list, const std::wstring& text) { return list.SelectString(0, text.c_str()); }

std::wstring selectedText(const CComboBox& list) {
    std::wstring text;
    if (const int index = list.GetCurSel(); index >= 0) list.GetLBText(index, text);
    return text;
}

// A list whose value does not count takes its first entry when dropped down, so that what the
// user sees is what comes back.
void takeFirstWhenNotGiven(CComboBox& list, bool& given) {
    if (given) return;
    list.SetCurSel(0);
    given = true;
}

}  // namespace

PropertyPage::PropertyPage(PageProperties& page, const std::vector<std::wstring>& texts, PropertyControls controls)
    : page_(page), texts_(texts), controls_(controls) {
    // Further linetypes would need the host's loading dialog; the page offers the drawing's own.
    linetypeList_.SetUseOther(FALSE);
}

void PropertyPage::DoDataExchange(CDataExchange* dx) {
    CAcUiTabChildDialog::DoDataExchange(dx);
    DDX_Control(dx, controls_.layer, layerList_);
    DDX_Control(dx, controls_.colour, colourList_);
    DDX_Control(dx, controls_.linetype, linetypeList_);
}

void PropertyPage::initLayers() {
    for (const std::wstring& name : page_.layerNames) layerList_.AddString(name.c_str());
    if (!page_.layerGiven) {
        layerList_.SetCurSel(-1);
        return;
    }
    if (selectByPrefix(layerList_, page_.layer) == CB_ERR) layerList_.SetCurSel(layerList_.AddString(page_.layer.c_str()));
}

void PropertyPage::initColour() {
    if (!page_.colourGiven) {
        colourList_.SetCurSel(-1);
        return;
    }
    colourList_.AddColorToMRU(page_.colour);
    colourList_.SetCurSel(colourList_.FindItemByColor(page_.colour));
}

void PropertyPage::initLinetype() {
    if (!page_.linetypeGiven) linetypeList_.SetCurSel(-1);
    else if (selectByPrefix(linetypeList_, page_.linetype) == CB_ERR) linetypeList_.SetCurSel(0);
}

BOOL PropertyPage::OnInitDialog() {
    CAcUiTabChildDialog::OnInitDialog();
    initLayers();
    initColour();
    initLinetype();
    SetDlgItemText(controls_.layerLabel, texts_[8]);
    SetDlgItemText(controls_.colourLabel, texts_[9]);
    SetDlgItemText(controls_.linetypeLabel, texts_[10]);
    return TRUE;
}

BOOL PropertyPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT code = HIWORD(wParam);
    const int id = LOWORD(wParam);
    const struct {
        int id;
        CComboBox& list;
        bool& given;
    } lists[] = {{controls_.layer, layerList_, page_.layerGiven},
                 {controls_.colour, colourList_, page_.colourGiven},
                 {controls_.linetype, linetypeList_, page_.linetypeGiven}};
    if (code == CBN_SELCHANGE || code == CBN_DROPDOWN) {
        for (const auto& entry : lists) {
            if (entry.id != id) continue;
            if (code == CBN_SELCHANGE) entry.given = true;
            else takeFirstWhenNotGiven(entry.list, entry.given);
            return TRUE;
        }
    }
    return CAcUiTabChildDialog::OnCommand(wParam, lParam);
}

void PropertyPage::OnMainDialogOK() {
    page_.layer = page_.layerGiven ? selectedText(layerList_) : std::wstring();
    page_.linetype = page_.linetypeGiven ? selectedText(linetypeList_) : std::wstring();
    if (page_.colourGiven) colourList_.GetCurrentItemColor(page_.colour);
}

}  // namespace vexa::dim

#include "dim/settings/DimSettingsDim.h"

#include <memory>

#include "acad/aced.h"
#include "acad/dbdimstyle.h"
#include "dim/settings/settings_resource.h"

namespace vexa::dim {

namespace {

struct CloseObject {
    void operator()(AcDbObject* object) const { object->close(); }
};

std::wstring styleName(const AcDbDimStyleTableRecord& record) {
    const ACHAR* name = nullptr;
    return record.getName(name) == Acad::eOk && name != nullptr ? name : L"";
}

// The names of the working drawing's dimension styles and the name of its current one.
std::vector<std::wstring> drawingStyles(std::wstring& current) {
    std::vector<std::wstring> names;
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    AcDbDimStyleTable* opened = nullptr;
    if (database == nullptr || database->getDimStyleTable(opened, AcDb::kForRead) != Acad::eOk) return names;
    const std::unique_ptr<AcDbDimStyleTable, CloseObject> table(opened);
    AcDbDimStyleTableIterator* walk = nullptr;
    if (table->newIterator(walk) != Acad::eOk) return names;
    const std::unique_ptr<AcDbDimStyleTableIterator> iterator(walk);
    for (iterator->start(); !iterator->done(); iterator->step()) {
        AcDbDimStyleTableRecord* record = nullptr;
        if (iterator->getRecord(record, AcDb::kForRead) != Acad::eOk) continue;
        names.push_back(styleName(*record));
        record->close();
    }
    AcDbDimStyleTableRecord* record = nullptr;
    if (acdbOpenObject(record, database->dimstyle(), AcDb::kForRead) == Acad::eOk) {
        current = styleName(*record);
        record->close();
    }
    return names;
}

}  // namespace

DimSettingsDim::DimSettingsDim(PageProperties& page, const std::vector<std::wstring>& texts,
                               std::wstring& dimensionStyle)
    : PropertyPage(page, texts,
                   {IDC_DIM_LAYER, IDC_DIM_COLOR, IDC_DIM_LINETYPE, IDC_DIM_LAYER_LABEL, IDC_DIM_COLOR_LABEL,
                    IDC_DIM_LINETYPE_LABEL}),
      texts_(texts), dimensionStyle_(dimensionStyle) {}

void DimSettingsDim::DoDataExchange(CDataExchange* dx) {
    PropertyPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_DIM_STYLE, styleList_);
}

void DimSettingsDim::fillStyles() {
    std::wstring current;
    styleList_.ResetContent();
    for (const std::wstring& name : drawingStyles(current)) styleList_.AddString(name.c_str());
    styleList_.SetCurSel(styleList_.FindStringExact(-1, current.c_str()));
}

BOOL DimSettingsDim::OnInitDialog() {
    PropertyPage::OnInitDialog();
    fillStyles();
    SetDlgItemText(IDC_DIM_STYLE_LABEL, texts_[6]);
    SetDlgItemText(IDC_DIM_STYLE_BUTTON, texts_[7]);
    for (int id : {IDC_DIM_STYLE_LABEL, IDC_DIM_STYLE, IDC_DIM_STYLE_BUTTON}) GetDlgItem(id)->ShowWindow(SW_HIDE);
    return TRUE;
}

BOOL DimSettingsDim::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_DIM_STYLE_BUTTON && HIWORD(wParam) == BN_CLICKED) {
        acedCommand(RTSTR, L"_.DDIM", 0);
        fillStyles();
        return TRUE;
    }
    return PropertyPage::OnCommand(wParam, lParam);
}

void DimSettingsDim::OnMainDialogOK() {
    PropertyPage::OnMainDialogOK();
    dimensionStyle_.clear();
    if (const int index = styleList_.GetCurSel(); index >= 0) styleList_.GetLBText(index, dimensionStyle_);
}

}  // namespace vexa::dim

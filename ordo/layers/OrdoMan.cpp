#include "ordo/layers/OrdoMan.h"

#include <cwctype>

#include "frame/lisp_items.h"
#include "frame/product_call.h"
#include "ordo/layers/product_commands.h"
#include "ordo/layers/OrdoMnEDIT.h"
#include "ordo/layers/OrdoMnNEW.h"
#include "ordo/layers/OrdoMnSN.h"
#include "ordo/layers/answer_items.h"
#include "frame/captions.h"
#include "ordo/layers/layer_manager_resource.h"

namespace {

bool sameLayerName(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towupper(static_cast<wint_t>(a[i])) != std::towupper(static_cast<wint_t>(b[i]))) return false;
    }
    return true;
}

}  // namespace

namespace vexa::ordo {

OrdoMan::OrdoMan(ManagerArguments arguments)
    : CAdUiBaseDialog(IDD_ORDO_MAN), arguments_(std::move(arguments)), mainLayer_(arguments_.mainLayer) {}

BOOL OrdoMan::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    list_.SubclassDlgItem(IDC_MAN_LIST, this);
    list_.InitStorage(static_cast<int>(arguments_.names.size()), 32);
    for (const std::wstring& name : arguments_.names) list_.AddString(name.c_str());
    list_.SelectString(-1, mainLayer_.c_str());
    vexa::frame::putCaptionsKeepingResourceTexts(*this, arguments_.captions,
                                 {0, IDC_MAN_GROUP, IDC_MAN_MAIN_LABEL, IDC_MAN_COUNT_LABEL, -1, IDC_MAN_SERIES,
                                  IDC_MAN_NEW, IDC_MAN_EDIT, IDC_MAN_PURGE, IDOK, IDCANCEL});
    SetDlgItemText(IDC_MAN_COUNT, std::to_wstring(arguments_.count));
    return TRUE;
}

BOOL OrdoMan::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_MAN_LIST && code == LBN_SELCHANGE) {
        const int selected = list_.GetCurSel();
        if (selected >= 0) list_.GetText(selected, mainLayer_);
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_MAN_SERIES: editSeriesCode(this); return TRUE;
        case IDC_MAN_NEW: onNew(); return TRUE;
        case IDC_MAN_EDIT: onEdit(); return TRUE;
        case IDC_MAN_PURGE: onPurge(); return TRUE;
        default: break;
        }
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

void OrdoMan::addAndSelect(const std::wstring& name) {
    list_.AddString(name.c_str());
    list_.SelectString(0, name.c_str());
}

void OrdoMan::deleteEntry(const std::wstring& name) {
    const int entry = list_.FindStringExact(-1, name.c_str());
    if (entry >= 0) list_.DeleteString(static_cast<UINT>(entry));
}

void OrdoMan::onNew() {
    vexa::frame::ListBuilder argument;
    argument.string(mainLayer_);
    const auto answer = vexa::frame::callProduct(product::kNewLayer, argument);
    if (!answer) return;
    const std::wstring made = runNewLayerDialog(answer->get(), this);
    if (made.empty()) return;
    addAndSelect(made);
    mainLayer_ = made;
}

void OrdoMan::onEdit() {
    vexa::frame::ListBuilder argument;
    argument.string(mainLayer_);
    const auto answer = vexa::frame::callProduct(product::kEditLayer, argument);
    if (!answer) return;
    const std::wstring renamed = runEditLayerDialog(answer->get(), this);
    if (renamed.empty()) return;
    deleteEntry(mainLayer_);
    addAndSelect(renamed);
    mainLayer_ = renamed;
}

void OrdoMan::onPurge() {
    const auto answer = vexa::frame::callProduct(product::kPurgeLayers);
    if (!answer) return;
    for (const vexa::frame::Element& item : answerItems(answer->get())) {
        const ACHAR* purged = item.string();
        if (purged == nullptr) continue;
        // Layer names ignore case: the main layer purged under any spelling is gone.
        if (sameLayerName(mainLayer_, purged)) {
            mainLayer_ = L"0";
            list_.SelectString(0, L"0");
        }
        deleteEntry(purged);
    }
}

}  // namespace vexa::ordo

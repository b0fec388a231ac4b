#include "ordo/tools/DeChamfComm.h"

#include "frame/captions.h"
#include "frame/number_fields.h"
#include "frame/single_precision.h"
#include "ordo/tools/resource_chamfer_frame.h"

namespace vexa::ordo {

namespace {

void fillSizeBox(CComboBox& box, const SizeChoice& choice) {
    for (const std::wstring& size : choice.sizes) box.AddString(size.c_str());
    box.SetWindowText(choice.current);
}

}  // namespace

DeChamfComm::DeChamfComm(DeChamfCommOptions& options)
    : CAdUiBaseDialog(IDD_DECHAMF_COMM), options_(options), fillet_(options.fillet.current), chamfer_(options.chamfer.current) {}

void DeChamfComm::DoDataExchange(CDataExchange* dx) {
    CAdUiBaseDialog::DoDataExchange(dx);
    DDX_Radio(dx, IDC_COMM_MANUAL, options_.mode);
}

BOOL DeChamfComm::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    fillSizeBox(*static_cast<CComboBox*>(GetDlgItem(IDC_COMM_FILLET)), options_.fillet);
    fillSizeBox(*static_cast<CComboBox*>(GetDlgItem(IDC_COMM_CHAMFER)), options_.chamfer);
    frame::putCaptionsBlankingMissing(*this, options_.captions,
                                      {{IDC_COMM_FUNCTION_GROUP, 1},
                                       {IDC_COMM_MANUAL, 2},
                                       {IDC_COMM_AUTO_FILLET, 3},
                                       {IDC_COMM_FILLET_LABEL, 4},
                                       {IDC_COMM_AUTO_CHAMFER, 5},
                                       {IDC_COMM_CHAMFER_LABEL, 6},
                                       {IDOK, 7},
                                       {IDCANCEL, 8}});
    opened_ = true;
    return TRUE;
}

void DeChamfComm::sizeChanged(int comboId, WORD notification) {
    auto& box = *static_cast<CComboBox*>(GetDlgItem(comboId));
    frame::NumberTextField& field = comboId == IDC_COMM_FILLET ? fillet_ : chamfer_;
    if (notification == CBN_EDITCHANGE) {
        frame::checkNumberCombo(box, field);
    } else {
        // A chosen entry becomes the text a later rejected keystroke goes back to.
        std::wstring entry;
        if (box.GetCurSel() >= 0) box.GetLBText(box.GetCurSel(), entry);
        field = frame::NumberTextField(entry);
    }
    options_.mode = comboId == IDC_COMM_FILLET ? 1 : 2;
    CheckRadioButton(IDC_COMM_MANUAL, IDC_COMM_AUTO_CHAMFER,
                     comboId == IDC_COMM_FILLET ? IDC_COMM_AUTO_FILLET : IDC_COMM_AUTO_CHAMFER);
}

BOOL DeChamfComm::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const WORD notification = HIWORD(wParam);
    if (opened_ && (id == IDC_COMM_FILLET || id == IDC_COMM_CHAMFER) &&
        (notification == CBN_EDITCHANGE || notification == CBN_SELCHANGE)) {
        sizeChanged(id, notification);
        return TRUE;
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

void DeChamfComm::OnOK() {
    UpdateData(TRUE);
    options_.filletValue = frame::toSinglePrecision(frame::leadingNumber(GetDlgItem(IDC_COMM_FILLET)->GetWindowText()));
    options_.chamferValue = frame::toSinglePrecision(frame::leadingNumber(GetDlgItem(IDC_COMM_CHAMFER)->GetWindowText()));
    EndDialog(IDOK);
}

}  // namespace vexa::ordo

#include "ordo/tools/SetFrameDlg.h"

#include "acad/aced.h"
#include "acad/acedentsel.h"
#include "acad/acedsel.h"
#include "frame/number_fields.h"
#include "frame/product_call.h"
#include "ordo/tools/AddAttribute.h"
#include "ordo/tools/frame_links.h"
#include "ordo/tools/list_selection.h"
#include "ordo/tools/resource_chamfer_frame.h"
#include "frame/captions.h"

namespace vexa::ordo {

namespace {

struct Paper {
    int radio;
    const wchar_t* name;
    const wchar_t* width;
    const wchar_t* height;
};
constexpr Paper kStandardPapers[] = {{IDC_FRAME_A3, L"A3", L"420", L"297"}, {IDC_FRAME_A4, L"A4", L"297", L"210"}};

enum Column { kName = 0, kText = 1, kHandle = 2 };

int errorNumber() {
    resbuf value{};
    return acedGetVar(L"ERRNO", &value) == RTNORM && value.restype == RTSHORT ? value.resval.rint : 0;
}

}  // namespace

SetFrameDlg::SetFrameDlg(FrameSetupOptions& options) : CAdUiBaseDialog(IDD_SET_FRAME), options_(options) {}

void SetFrameDlg::DoDataExchange(CDataExchange* dx) {
    CAdUiBaseDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_FRAME_AUTOMATIC, automatic_);
    DDX_Control(dx, IDC_FRAME_SELECT, select_);
    DDX_Control(dx, IDC_FRAME_LIST, list_);
}

BOOL SetFrameDlg::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    frame::putCaptionsBlankingMissing(*this, options_.captions,
                 {{IDC_FRAME_PAPER_GROUP, 1},
                  {IDC_FRAME_OTHER, 2},
                  {IDC_FRAME_OBJECTS_GROUP, 3},
                  {IDC_FRAME_SELECT_LABEL, 4},
                  {IDC_FRAME_SCALE_GROUP, 7},
                  {IDC_FRAME_AUTOMATIC, 8},
                  {IDC_FRAME_SCALE_LABEL, 9},
                  {IDC_FRAME_ATTRIBUTES_GROUP, 10},
                  {IDC_FRAME_ADD, 14},
                  {IDC_FRAME_REMOVE, 15},
                  {IDC_FRAME_LINK, 16},
                  {IDOK, 24},
                  {IDCANCEL, 25}});
    select_.AutoLoad();
    showFrameObjectCount();
    list_.InsertColumn(kName, caption(11).c_str(), LVCFMT_LEFT, 120);
    list_.InsertColumn(kText, caption(12).c_str(), LVCFMT_LEFT, 150);
    list_.InsertColumn(kHandle, caption(13).c_str(), LVCFMT_LEFT, 80);
    list_.SetExtendedStyle(list_.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    for (std::size_t i = 0; i < options_.rows.size(); ++i) {
        const int row = list_.InsertItem(static_cast<int>(i), options_.rows[i].name.c_str());
        list_.SetItemText(row, kText, options_.rows[i].text.c_str());
        list_.SetItemText(row, kHandle, options_.rows[i].handle.c_str());
    }
    GetDlgItem(IDC_FRAME_REMOVE)->EnableWindow(FALSE);
    GetDlgItem(IDC_FRAME_LINK)->EnableWindow(FALSE);
    opened_ = true;
    CheckRadioButton(IDC_FRAME_A3, IDC_FRAME_OTHER, IDC_FRAME_A4);
    choosePaper(IDC_FRAME_A4);
    automatic_.SetCheck(BST_CHECKED);
    GetDlgItem(IDC_FRAME_SCALE)->EnableWindow(FALSE);
    computeScale();
    return TRUE;
}

void SetFrameDlg::choosePaper(int radio) {
    const bool other = radio == IDC_FRAME_OTHER;
    for (const Paper& paper : kStandardPapers) {
        if (paper.radio != radio) continue;
        options_.paper = paper.name;
        // The boxes show the standard size, so that "Other" starts from it.
        SetDlgItemText(IDC_FRAME_WIDTH, paper.width);
        SetDlgItemText(IDC_FRAME_HEIGHT, paper.height);
        options_.width = paper.width;
        options_.height = paper.height;
    }
    if (other) options_.paper = L"Other";
    GetDlgItem(IDC_FRAME_WIDTH)->EnableWindow(other);
    GetDlgItem(IDC_FRAME_HEIGHT)->EnableWindow(other);
}

void SetFrameDlg::sizeChanged(int box) {
    frame::NumberTextField& field = box == IDC_FRAME_WIDTH ? width_ : height_;
    frame::checkNumberEdit(*static_cast<CEdit*>(GetDlgItem(box)), field);
    if (options_.paper == L"Other") (box == IDC_FRAME_WIDTH ? options_.width : options_.height) = field.text();
}

void SetFrameDlg::computeScale() {
    if (automatic_.GetCheck() != BST_CHECKED) return;
    frame::ListBuilder arguments;
    arguments.string(options_.paper).string(options_.width).string(options_.height);
    if (options_.frameObjects.empty()) {
        arguments.nil();
    } else {
        arguments.beginList();
        for (const auto& object : options_.frameObjects) arguments.name(object.data());
        arguments.endList();
    }
    const std::optional<frame::ProductAnswer> answer =
        frame::callProduct(L"C:Vexa_CalPScale", arguments, frame::FailureLine::Silent);
    const resbuf* node = answer ? answer->get() : nullptr;
    options_.scale = node != nullptr && node->restype == RTSTR && node->rbnext == nullptr ? node->resval.rstring : L"###";
    SetDlgItemText(IDC_FRAME_SCALE, options_.scale);
}

void SetFrameDlg::showFrameObjectCount() {
    SetDlgItemText(IDC_FRAME_COUNT, caption(5) + L" " + std::to_wstring(options_.frameObjects.size()) + L" " + caption(6));
}

void SetFrameDlg::selectFrameObjects() {
    BeginEditorCommand();
    const ACHAR* prompts[2] = {caption(17).c_str(), caption(18).c_str()};
    ads_name set = {0, 0};
    const int status = acedSSGet(L":$", prompts, nullptr, nullptr, set);
    if (status != RTCAN) {
        // A completed selection replaces the frame objects; an empty or failed one leaves none.
        options_.frameObjects.clear();
        Adesk_Int32 length = 0;
        if (status == RTNORM && acedSSLength(set, &length) == RTNORM) {
            for (Adesk_Int32 i = 0; i < length; ++i) {
                ads_name entity = {0, 0};
                if (acedSSName(set, i, entity) == RTNORM) options_.frameObjects.push_back({entity[0], entity[1]});
            }
        }
    }
    if (status == RTNORM) acedSSFree(set);
    if (status == RTCAN) CancelEditorCommand();
    else CompleteEditorCommand();
    showFrameObjectCount();
    computeScale();
}

void SetFrameDlg::makeCurrent(int row) {
    current_ = row;
    GetDlgItem(IDC_FRAME_LINK)->EnableWindow(TRUE);
    GetDlgItem(IDC_FRAME_REMOVE)->EnableWindow(row >= options_.fixedRows);
}

std::vector<std::wstring> SetFrameDlg::handles() const {
    std::vector<std::wstring> all;
    for (int i = 0; i < list_.GetItemCount(); ++i) all.push_back(list_.GetItemText(i, kHandle));
    return all;
}

void SetFrameDlg::link(int row) {
    BeginEditorCommand();
    for (;;) {
        ads_name picked = {0, 0};
        ads_point point = {0, 0, 0};
        ads_point xform[4];
        resbuf* references = nullptr;
        const int status = acedNEntSel(caption(19).c_str(), picked, point, xform, &references);
        acutRelRb(references);
        if (status == RTCAN) {
            CancelEditorCommand();
            return;
        }
        if (status != RTNORM && errorNumber() != 7) {
            // An empty response clears the link.
            list_.SetItemText(row, kText, L"");
            list_.SetItemText(row, kHandle, L"");
            break;
        }
        const std::optional<LinkTarget> target = status == RTNORM ? linkTargetOf(picked) : std::nullopt;
        if (!target) {
            acutPrintf(L"%s", caption(20).c_str());
            continue;
        }
        if (const int holder = rowHoldingHandle(handles(), row, target->handle); holder >= 0) {
            const std::wstring text = caption(21) + list_.GetItemText(holder, kName) + caption(22);
            MessageBox(text.c_str(), caption(23).c_str(), MB_OK | MB_ICONERROR);
            continue;
        }
        list_.SetItemText(row, kText, target->text.c_str());
        list_.SetItemText(row, kHandle, target->handle.c_str());
        break;
    }
    CompleteEditorCommand();
}

void SetFrameDlg::addRow() {
    std::wstring name;
    {
        AddAttribute dialog(caption(26), caption(27), caption(28));
        if (dialog.DoModal() != IDOK) return;
        name = dialog.name();
    }
    const int row = list_.InsertItem(list_.GetItemCount(), name.c_str());
    list_.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list_.EnsureVisible(row, FALSE);
    link(row);
    list_.SetFocus();
}

void SetFrameDlg::removeRow() {
    if (current_ < 0 || current_ < options_.fixedRows) return;
    list_.DeleteItem(current_);
    current_ = -1;
    GetDlgItem(IDC_FRAME_LINK)->EnableWindow(FALSE);
    GetDlgItem(IDC_FRAME_REMOVE)->EnableWindow(FALSE);
}

BOOL SetFrameDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const WORD notification = HIWORD(wParam);
    if (!opened_) return CAdUiBaseDialog::OnCommand(wParam, lParam);
    if (id == IDC_FRAME_WIDTH || id == IDC_FRAME_HEIGHT) {
        if (notification == EN_CHANGE) sizeChanged(id);
        else if (notification == EN_SETFOCUS) sizeFocus_ = true;
        else if (notification == EN_KILLFOCUS) {
            sizeFocus_ = false;
            computeScale();
        }
        return TRUE;
    }
    if (id == IDC_FRAME_SCALE && notification == EN_CHANGE) {
        // Only a typed scale is checked; a computed one (or "###") is shown as it came.
        if (automatic_.GetCheck() != BST_CHECKED) {
            frame::checkNumberEdit(*static_cast<CEdit*>(GetDlgItem(id)), scale_);
            options_.scale = scale_.text();
        }
        return TRUE;
    }
    if (notification != BN_CLICKED) return CAdUiBaseDialog::OnCommand(wParam, lParam);
    switch (id) {
    case IDC_FRAME_A3:
    case IDC_FRAME_A4:
    case IDC_FRAME_OTHER:
        choosePaper(id);
        computeScale();
        return TRUE;
    case IDC_FRAME_AUTOMATIC: {
        const bool automatic = automatic_.GetCheck() == BST_CHECKED;
        GetDlgItem(IDC_FRAME_SCALE)->EnableWindow(!automatic);
        // The box now takes typing from what it shows.
        scale_ = frame::NumberTextField(frame::isNumberText(options_.scale) ? options_.scale : std::wstring());
        computeScale();
        return TRUE;
    }
    case IDC_FRAME_SELECT: selectFrameObjects(); return TRUE;
    case IDC_FRAME_ADD: addRow(); return TRUE;
    case IDC_FRAME_REMOVE: removeRow(); return TRUE;
    case IDC_FRAME_LINK:
        if (current_ >= 0) link(current_);
        return TRUE;
    default: return CAdUiBaseDialog::OnCommand(wParam, lParam);
    }
}

BOOL SetFrameDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (const int row = newlySelectedRow(lParam, IDC_FRAME_LIST); row >= 0) makeCurrent(row);
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->idFrom == IDC_FRAME_LIST && header->code == LVN_ENDLABELEDITW) {
        // Names of the fixed rows stay as they are.
        const auto* edit = reinterpret_cast<const NMLVDISPINFOW*>(lParam);
        *result = edit->item.pszText != nullptr && edit->item.iItem >= options_.fixedRows ? TRUE : FALSE;
        return TRUE;
    }
    return CAdUiBaseDialog::OnNotify(wParam, lParam, result);
}

void SetFrameDlg::OnOK() {
    if (sizeFocus_) {
        // Enter in a size box recomputes the scale and keeps the dialog open.
        computeScale();
        return;
    }
    options_.rows.clear();
    for (int i = 0; i < list_.GetItemCount(); ++i) {
        options_.rows.push_back({list_.GetItemText(i, kName), list_.GetItemText(i, kText), list_.GetItemText(i, kHandle)});
    }
    EndDialog(IDOK);
}

}  // namespace vexa::ordo

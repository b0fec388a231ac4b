// The framework's control wrappers: each call one message to the control.
#include "win/afxcmn.h"

namespace {
WPARAM wp(int value) { return static_cast<WPARAM>(static_cast<std::intptr_t>(value)); }
LPARAM lp(LPCWSTR text) { return reinterpret_cast<LPARAM>(text); }
}  // namespace

HBITMAP CStatic::SetBitmap(HBITMAP bitmap) { return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap))); }
HBITMAP CStatic::GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP, 0)); }
HICON CStatic::SetIcon(HICON icon) { return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon), 0)); }
HICON CStatic::GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON, 0, 0)); }

int CButton::GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
void CButton::SetCheck(int check) { SendMessage(BM_SETCHECK, wp(check)); }
UINT CButton::GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
void CButton::SetState(BOOL highlight) { SendMessage(BM_SETSTATE, static_cast<WPARAM>(highlight)); }
UINT CButton::GetButtonStyle() const { return static_cast<UINT>(GetStyle() & 0xFFFF); }
void CButton::SetButtonStyle(UINT style, BOOL redraw) { SendMessage(BM_SETSTYLE, style, redraw); }
BOOL CBitmapButton::LoadBitmaps(LPCWSTR up, LPCWSTR down) {
    up_ = up ? LoadBitmapW(AfxGetResourceHandle(), up) : nullptr;
    down_ = down ? LoadBitmapW(AfxGetResourceHandle(), down) : nullptr;
    if (up_ != nullptr && m_hWnd != nullptr) SetBitmap(up_);
    return up_ != nullptr;
}

BOOL CBitmapButton::AutoLoad(UINT id, CWnd* parent) {
    if (!SubclassDlgItem(id, parent)) return FALSE;
    const std::wstring name = GetWindowText();
    return LoadBitmaps((name + L"U").c_str(), (name + L"D").c_str());
}

HBITMAP CButton::SetBitmap(HBITMAP bitmap) { return reinterpret_cast<HBITMAP>(SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap))); }
HBITMAP CButton::GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(BM_GETIMAGE, IMAGE_BITMAP, 0)); }

void CEdit::SetSel(int start, int end, BOOL) { SendMessage(EM_SETSEL, wp(start), end); }
void CEdit::GetSel(int& start, int& end) const {
    DWORD from = 0;
    DWORD to = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    start = static_cast<int>(from);
    end = static_cast<int>(to);
}
DWORD CEdit::GetSel() const { return static_cast<DWORD>(SendMessage(EM_GETSEL)); }
void CEdit::ReplaceSel(LPCWSTR text, BOOL canUndo) { SendMessage(EM_REPLACESEL, static_cast<WPARAM>(canUndo), lp(text)); }
BOOL CEdit::SetReadOnly(BOOL readOnly) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(readOnly))); }
void CEdit::LimitText(int maxChars) { SendMessage(EM_LIMITTEXT, wp(maxChars)); }
void CEdit::SetLimitText(UINT maxChars) { SendMessage(EM_SETLIMITTEXT, maxChars); }
UINT CEdit::GetLimitText() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT)); }
int CEdit::GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
int CEdit::LineIndex(int line) const { return static_cast<int>(SendMessage(EM_LINEINDEX, wp(line))); }
int CEdit::LineLength(int charIndex) const { return static_cast<int>(SendMessage(EM_LINELENGTH, wp(charIndex))); }
int CEdit::GetLine(int index, LPWSTR buffer, int maxLength) const {
    buffer[0] = static_cast<wchar_t>(maxLength);
    return static_cast<int>(SendMessage(EM_GETLINE, wp(index), reinterpret_cast<LPARAM>(buffer)));
}
BOOL CEdit::GetModify() const { return static_cast<BOOL>(SendMessage(EM_GETMODIFY)); }
void CEdit::SetModify(BOOL modified) { SendMessage(EM_SETMODIFY, static_cast<WPARAM>(modified)); }
void CEdit::Clear() { SendMessage(WM_CLEAR); }
void CEdit::Cut() { SendMessage(WM_CUT); }

int CListBox::GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
int CListBox::GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
int CListBox::SetCurSel(int select) { return static_cast<int>(SendMessage(LB_SETCURSEL, wp(select))); }
int CListBox::GetText(int index, LPWSTR buffer) const { return static_cast<int>(SendMessage(LB_GETTEXT, wp(index), reinterpret_cast<LPARAM>(buffer))); }
void CListBox::GetText(int index, std::wstring& text) const {
    const int length = GetTextLen(index);
    if (length < 0) {
        text.clear();
        return;
    }
    text.assign(static_cast<std::size_t>(length) + 1, L'\0');
    GetText(index, text.data());
    text.resize(static_cast<std::size_t>(length));
}
int CListBox::GetTextLen(int index) const { return static_cast<int>(SendMessage(LB_GETTEXTLEN, wp(index))); }
int CListBox::AddString(LPCWSTR item) { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, lp(item))); }
int CListBox::InsertString(int index, LPCWSTR item) { return static_cast<int>(SendMessage(LB_INSERTSTRING, wp(index), lp(item))); }
int CListBox::DeleteString(UINT index) { return static_cast<int>(SendMessage(LB_DELETESTRING, index)); }
void CListBox::ResetContent() { SendMessage(LB_RESETCONTENT); }
int CListBox::FindString(int startAfter, LPCWSTR item) const { return static_cast<int>(SendMessage(LB_FINDSTRING, wp(startAfter), lp(item))); }
int CListBox::FindStringExact(int startAfter, LPCWSTR item) const {
    return static_cast<int>(SendMessage(LB_FINDSTRINGEXACT, wp(startAfter), lp(item)));
}
int CListBox::SelectString(int startAfter, LPCWSTR item) { return static_cast<int>(SendMessage(LB_SELECTSTRING, wp(startAfter), lp(item))); }
int CListBox::SetItemData(int index, DWORD_PTR data) { return static_cast<int>(SendMessage(LB_SETITEMDATA, wp(index), static_cast<LPARAM>(data))); }
DWORD_PTR CListBox::GetItemData(int index) const { return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, wp(index))); }
int CListBox::GetSel(int index) const { return static_cast<int>(SendMessage(LB_GETSEL, wp(index))); }
int CListBox::SetSel(int index, BOOL select) { return static_cast<int>(SendMessage(LB_SETSEL, static_cast<WPARAM>(select), index)); }
int CListBox::GetSelCount() const { return static_cast<int>(SendMessage(LB_GETSELCOUNT)); }
int CListBox::GetSelItems(int maxItems, LPINT items) const {
    return static_cast<int>(SendMessage(LB_GETSELITEMS, wp(maxItems), reinterpret_cast<LPARAM>(items)));
}
int CListBox::SetTopIndex(int index) { return static_cast<int>(SendMessage(LB_SETTOPINDEX, wp(index))); }
int CListBox::GetTopIndex() const { return static_cast<int>(SendMessage(LB_GETTOPINDEX)); }
int CListBox::InitStorage(int items, UINT bytes) { return static_cast<int>(SendMessage(LB_INITSTORAGE, wp(items), bytes)); }

int CComboBox::GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
int CComboBox::SetCurSel(int select) { return static_cast<int>(SendMessage(CB_SETCURSEL, wp(select))); }
int CComboBox::GetLBText(int index, LPWSTR buffer) const { return static_cast<int>(SendMessage(CB_GETLBTEXT, wp(index), reinterpret_cast<LPARAM>(buffer))); }
void CComboBox::GetLBText(int index, std::wstring& text) const {
    const int length = GetLBTextLen(index);
    if (length < 0) {
        text.clear();
        return;
    }
    text.assign(static_cast<std::size_t>(length) + 1, L'\0');
    GetLBText(index, text.data());
    text.resize(static_cast<std::size_t>(length));
}
int CComboBox::GetLBTextLen(int index) const { return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, wp(index))); }
int CComboBox::AddString(LPCWSTR item) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, lp(item))); }
int CComboBox::InsertString(int index, LPCWSTR item) { return static_cast<int>(SendMessage(CB_INSERTSTRING, wp(index), lp(item))); }
int CComboBox::DeleteString(UINT index) { return static_cast<int>(SendMessage(CB_DELETESTRING, index)); }
void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }
int CComboBox::FindString(int startAfter, LPCWSTR item) const { return static_cast<int>(SendMessage(CB_FINDSTRING, wp(startAfter), lp(item))); }
int CComboBox::FindStringExact(int startAfter, LPCWSTR item) const {
    return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, wp(startAfter), lp(item)));
}
int CComboBox::SelectString(int startAfter, LPCWSTR item) { return static_cast<int>(SendMessage(CB_SELECTSTRING, wp(startAfter), lp(item))); }
int CComboBox::SetItemData(int index, DWORD_PTR data) { return static_cast<int>(SendMessage(CB_SETITEMDATA, wp(index), static_cast<LPARAM>(data))); }
DWORD_PTR CComboBox::GetItemData(int index) const { return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, wp(index))); }
void CComboBox::ShowDropDown(BOOL show) { SendMessage(CB_SHOWDROPDOWN, static_cast<WPARAM>(show)); }
BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
BOOL CComboBox::LimitText(int maxChars) { return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, wp(maxChars))); }
BOOL CComboBox::SetEditSel(int start, int end) {
    return static_cast<BOOL>(SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(static_cast<WORD>(start), static_cast<WORD>(end))));
}
DWORD CComboBox::GetEditSel() const { return static_cast<DWORD>(SendMessage(CB_GETEDITSEL)); }
int CComboBox::InitStorage(int items, UINT bytes) { return static_cast<int>(SendMessage(CB_INITSTORAGE, wp(items), bytes)); }

int CSliderCtrl::GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
void CSliderCtrl::SetPos(int position) { SendMessage(TBM_SETPOS, TRUE, position); }
void CSliderCtrl::SetRange(int minimum, int maximum, BOOL redraw) {
    SendMessage(TBM_SETRANGEMIN, FALSE, minimum);
    SendMessage(TBM_SETRANGEMAX, static_cast<WPARAM>(redraw), maximum);
}
void CSliderCtrl::SetRangeMin(int minimum, BOOL redraw) { SendMessage(TBM_SETRANGEMIN, static_cast<WPARAM>(redraw), minimum); }
void CSliderCtrl::SetRangeMax(int maximum, BOOL redraw) { SendMessage(TBM_SETRANGEMAX, static_cast<WPARAM>(redraw), maximum); }
void CSliderCtrl::GetRange(int& minimum, int& maximum) const {
    minimum = GetRangeMin();
    maximum = GetRangeMax();
}
int CSliderCtrl::GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN)); }
int CSliderCtrl::GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }
int CSliderCtrl::SetPageSize(int size) { return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, size)); }
int CSliderCtrl::GetPageSize() const { return static_cast<int>(SendMessage(TBM_GETPAGESIZE)); }
int CSliderCtrl::SetLineSize(int size) { return static_cast<int>(SendMessage(TBM_SETLINESIZE, 0, size)); }
int CSliderCtrl::GetLineSize() const { return static_cast<int>(SendMessage(TBM_GETLINESIZE)); }
void CSliderCtrl::SetTicFreq(int frequency) { SendMessage(TBM_SETTICFREQ, wp(frequency)); }
BOOL CSliderCtrl::SetTic(int position) { return static_cast<BOOL>(SendMessage(TBM_SETTIC, 0, position)); }
void CSliderCtrl::ClearTics(BOOL redraw) { SendMessage(TBM_CLEARTICS, static_cast<WPARAM>(redraw)); }
UINT CSliderCtrl::GetNumTics() const { return static_cast<UINT>(SendMessage(TBM_GETNUMTICS)); }

void CProgressCtrl::SetRange(short lower, short upper) {
    SendMessage(PBM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(lower), static_cast<WORD>(upper)));
}
void CProgressCtrl::SetRange32(int lower, int upper) { SendMessage(PBM_SETRANGE32, wp(lower), upper); }
void CProgressCtrl::GetRange(int& lower, int& upper) const {
    PBRANGE range{};
    SendMessage(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    lower = range.iLow;
    upper = range.iHigh;
}
int CProgressCtrl::SetPos(int position) { return static_cast<int>(SendMessage(PBM_SETPOS, wp(position))); }
int CProgressCtrl::GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
int CProgressCtrl::OffsetPos(int delta) { return static_cast<int>(SendMessage(PBM_DELTAPOS, wp(delta))); }
int CProgressCtrl::SetStep(int step) { return static_cast<int>(SendMessage(PBM_SETSTEP, wp(step))); }
int CProgressCtrl::StepIt() { return static_cast<int>(SendMessage(PBM_STEPIT)); }

int CListCtrl::InsertColumn(int column, LPCWSTR heading, int format, int width, int subItem) {
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT | LVCF_FMT;
    info.fmt = format;
    info.pszText = const_cast<LPWSTR>(heading);
    if (width != -1) info.mask |= LVCF_WIDTH, info.cx = width;
    if (subItem != -1) info.mask |= LVCF_SUBITEM, info.iSubItem = subItem;
    return InsertColumn(column, &info);
}
int CListCtrl::InsertColumn(int column, const LVCOLUMNW* info) {
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, wp(column), reinterpret_cast<LPARAM>(info)));
}
BOOL CListCtrl::DeleteColumn(int column) { return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, wp(column))); }
BOOL CListCtrl::SetColumnWidth(int column, int width) { return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, wp(column), width)); }
int CListCtrl::GetColumnWidth(int column) const { return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, wp(column))); }
int CListCtrl::InsertItem(int item, LPCWSTR text) {
    LVITEMW info{};
    info.mask = LVIF_TEXT;
    info.iItem = item;
    info.pszText = const_cast<LPWSTR>(text);
    return InsertItem(&info);
}
int CListCtrl::InsertItem(const LVITEMW* item) { return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(item))); }
BOOL CListCtrl::SetItem(const LVITEMW* item) { return static_cast<BOOL>(SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(item))); }
BOOL CListCtrl::GetItem(LVITEMW* item) const { return static_cast<BOOL>(SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(item))); }
BOOL CListCtrl::SetItemText(int item, int subItem, LPCWSTR text) {
    LVITEMW info{};
    info.iSubItem = subItem;
    info.pszText = const_cast<LPWSTR>(text);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTW, wp(item), reinterpret_cast<LPARAM>(&info)));
}
int CListCtrl::GetItemText(int item, int subItem, LPWSTR buffer, int length) const {
    LVITEMW info{};
    info.iSubItem = subItem;
    info.pszText = buffer;
    info.cchTextMax = length;
    return static_cast<int>(SendMessage(LVM_GETITEMTEXTW, wp(item), reinterpret_cast<LPARAM>(&info)));
}
std::wstring CListCtrl::GetItemText(int item, int subItem) const {
    std::wstring text(1024, L'\0');
    for (;;) {
        const int length = GetItemText(item, subItem, text.data(), static_cast<int>(text.size()));
        if (length < static_cast<int>(text.size()) - 1) {
            text.resize(static_cast<std::size_t>(length));
            return text;
        }
        text.assign(text.size() * 2, L'\0');
    }
}
BOOL CListCtrl::DeleteItem(int item) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, wp(item))); }
BOOL CListCtrl::DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
int CListCtrl::GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
int CListCtrl::GetNextItem(int item, int flags) const { return static_cast<int>(SendMessage(LVM_GETNEXTITEM, wp(item), flags)); }
BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
    LVITEMW info{};
    info.state = state;
    info.stateMask = mask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, wp(item), reinterpret_cast<LPARAM>(&info)));
}
UINT CListCtrl::GetItemState(int item, UINT mask) const { return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, wp(item), mask)); }
UINT CListCtrl::GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
int CListCtrl::GetSelectionMark() const { return static_cast<int>(SendMessage(LVM_GETSELECTIONMARK)); }
int CListCtrl::SetSelectionMark(int index) { return static_cast<int>(SendMessage(LVM_SETSELECTIONMARK, 0, index)); }
BOOL CListCtrl::SetItemData(int item, DWORD_PTR data) {
    LVITEMW info{};
    info.mask = LVIF_PARAM;
    info.iItem = item;
    info.lParam = static_cast<LPARAM>(data);
    return SetItem(&info);
}
DWORD_PTR CListCtrl::GetItemData(int item) const {
    LVITEMW info{};
    info.mask = LVIF_PARAM;
    info.iItem = item;
    GetItem(&info);
    return static_cast<DWORD_PTR>(info.lParam);
}
DWORD CListCtrl::SetExtendedStyle(DWORD style) { return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style)); }
DWORD CListCtrl::GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
BOOL CListCtrl::EnsureVisible(int item, BOOL partialOk) {
    return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, wp(item), partialOk));
}
CEdit* CListCtrl::EditLabel(int item) {
    return static_cast<CEdit*>(FromHandle(reinterpret_cast<HWND>(SendMessage(LVM_EDITLABELW, wp(item)))));
}
CEdit* CListCtrl::GetEditControl() const {
    return static_cast<CEdit*>(FromHandle(reinterpret_cast<HWND>(SendMessage(LVM_GETEDITCONTROL))));
}

LONG CTabCtrl::InsertItem(int item, LPCWSTR text) {
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<LPWSTR>(text);
    return InsertItem(item, &tab);
}
LONG CTabCtrl::InsertItem(int item, TCITEMW* tab) {
    return static_cast<LONG>(SendMessage(TCM_INSERTITEMW, wp(item), reinterpret_cast<LPARAM>(tab)));
}
BOOL CTabCtrl::DeleteItem(int item) { return static_cast<BOOL>(SendMessage(TCM_DELETEITEM, wp(item))); }
BOOL CTabCtrl::DeleteAllItems() { return static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS)); }
int CTabCtrl::GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
int CTabCtrl::GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
int CTabCtrl::SetCurSel(int item) { return static_cast<int>(SendMessage(TCM_SETCURSEL, wp(item))); }
BOOL CTabCtrl::GetItem(int item, TCITEMW* tab) const {
    return static_cast<BOOL>(SendMessage(TCM_GETITEMW, wp(item), reinterpret_cast<LPARAM>(tab)));
}
BOOL CTabCtrl::SetItem(int item, TCITEMW* tab) { return static_cast<BOOL>(SendMessage(TCM_SETITEMW, wp(item), reinterpret_cast<LPARAM>(tab))); }
void CTabCtrl::AdjustRect(BOOL larger, LPRECT rect) { SendMessage(TCM_ADJUSTRECT, static_cast<WPARAM>(larger), reinterpret_cast<LPARAM>(rect)); }
BOOL CTabCtrl::GetItemRect(int item, LPRECT rect) const {
    return static_cast<BOOL>(SendMessage(TCM_GETITEMRECT, wp(item), reinterpret_cast<LPARAM>(rect)));
}

// The framework's wrappers of the common controls: slider, progress bar, list view, tab control.
#pragma once

#include <string>

#include "win/afxwin.h"
#include "win/commctrl.h"

class CSliderCtrl : public CWnd {
public:
    int GetPos() const;
    void SetPos(int position);
    void SetRange(int minimum, int maximum, BOOL redraw = FALSE);
    void SetRangeMin(int minimum, BOOL redraw = FALSE);
    void SetRangeMax(int maximum, BOOL redraw = FALSE);
    void GetRange(int& minimum, int& maximum) const;
    int GetRangeMin() const;
    int GetRangeMax() const;
    int SetPageSize(int size);
    int GetPageSize() const;
    int SetLineSize(int size);
    int GetLineSize() const;
    void SetTicFreq(int frequency);
    BOOL SetTic(int position);
    void ClearTics(BOOL redraw = FALSE);
    UINT GetNumTics() const;
};

class CProgressCtrl : public CWnd {
public:
    void SetRange(short lower, short upper);
    void SetRange32(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    int SetPos(int position);
    int GetPos() const;
    int OffsetPos(int delta);
    int SetStep(int step);
    int StepIt();
};

class CListCtrl : public CWnd {
public:
    int InsertColumn(int column, LPCWSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    int InsertColumn(int column, const LVCOLUMNW* column_);
    BOOL DeleteColumn(int column);
    BOOL SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;
    int InsertItem(int item, LPCWSTR text);
    int InsertItem(const LVITEMW* item);
    BOOL SetItem(const LVITEMW* item);
    BOOL GetItem(LVITEMW* item) const;
    BOOL SetItemText(int item, int subItem, LPCWSTR text);
    std::wstring GetItemText(int item, int subItem) const;
    int GetItemText(int item, int subItem, LPWSTR buffer, int length) const;
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    int GetNextItem(int item, int flags) const;
    BOOL SetItemState(int item, UINT state, UINT mask);
    UINT GetItemState(int item, UINT mask) const;
    UINT GetSelectedCount() const;
    int GetSelectionMark() const;
    int SetSelectionMark(int index);
    BOOL SetItemData(int item, DWORD_PTR data);
    DWORD_PTR GetItemData(int item) const;
    DWORD SetExtendedStyle(DWORD style);
    DWORD GetExtendedStyle() const;
    BOOL EnsureVisible(int item, BOOL partialOk);
    // Starts the in-place edit of an item's label; the edit control, or null when refused.
    CEdit* EditLabel(int item);
    CEdit* GetEditControl() const;
};

class CTabCtrl : public CWnd {
public:
    LONG InsertItem(int item, LPCWSTR text);
    LONG InsertItem(int item, TCITEMW* tab);
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    int GetCurSel() const;
    int SetCurSel(int item);
    BOOL GetItem(int item, TCITEMW* tab) const;
    BOOL SetItem(int item, TCITEMW* tab);
    void AdjustRect(BOOL larger, LPRECT rect);
    BOOL GetItemRect(int item, LPRECT rect) const;
};

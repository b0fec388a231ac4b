// List views in report mode: columns, items with sub-items, selection and focus, in-place label editing.
#include "win/commctrl.h"
#include "sim/win/user32/controls.h"
#include "sim/win/user32/sim_messages.h"

namespace vexa::sim::win {

namespace {

int indexArg(WPARAM wParam) { return static_cast<int>(static_cast<std::intptr_t>(wParam)); }

class ListViewControl : public Control {
public:
    LRESULT handle(WindowSystem& system, HWND self, UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_GETDLGCODE:
                return DLGC_WANTARROWS | DLGC_WANTCHARS;
            case LVM_INSERTCOLUMNW: {
                const auto* info = reinterpret_cast<const LVCOLUMNW*>(lParam);
                if (info == nullptr) return -1;
                const auto index = static_cast<std::size_t>(std::clamp(indexArg(wParam), 0, static_cast<int>(columns_.size())));
                Column column;
                if ((info->mask & LVCF_TEXT) && info->pszText) column.text = info->pszText;
                if (info->mask & LVCF_WIDTH) column.width = info->cx;
                if (info->mask & LVCF_FMT) column.format = info->fmt;
                columns_.insert(columns_.begin() + static_cast<std::ptrdiff_t>(index), column);
                for (Row& row : rows_) {
                    if (index < row.texts.size() && index > 0) row.texts.insert(row.texts.begin() + static_cast<std::ptrdiff_t>(index), L"");
                }
                return static_cast<LRESULT>(index);
            }
            case LVM_DELETECOLUMN: {
                const int index = indexArg(wParam);
                if (index < 0 || index >= static_cast<int>(columns_.size())) return FALSE;
                columns_.erase(columns_.begin() + index);
                for (Row& row : rows_) {
                    if (static_cast<std::size_t>(index) < row.texts.size()) row.texts.erase(row.texts.begin() + index);
                }
                return TRUE;
            }
            case LVM_SETCOLUMNWIDTH: {
                const int index = indexArg(wParam);
                if (index < 0 || index >= static_cast<int>(columns_.size())) return FALSE;
                int width = static_cast<int>(lParam);
                if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER) {
                    std::size_t longest = width == LVSCW_AUTOSIZE_USEHEADER ? columns_[static_cast<std::size_t>(index)].text.size() : 0;
                    for (const Row& row : rows_) longest = std::max(longest, text(row, index).size());
                    width = static_cast<int>(longest) * 6 + 12;
                }
                columns_[static_cast<std::size_t>(index)].width = width;
                return TRUE;
            }
            case LVM_GETCOLUMNWIDTH: {
                const int index = indexArg(wParam);
                return index >= 0 && index < static_cast<int>(columns_.size()) ? columns_[static_cast<std::size_t>(index)].width : 0;
            }
            case LVM_GETCOLUMNW:
            case LVM_SETCOLUMNW: {
                const int index = indexArg(wParam);
                auto* info = reinterpret_cast<LVCOLUMNW*>(lParam);
                if (info == nullptr || index < 0 || index >= static_cast<int>(columns_.size())) return FALSE;
                Column& column = columns_[static_cast<std::size_t>(index)];
                if (message == LVM_SETCOLUMNW) {
                    if ((info->mask & LVCF_TEXT) && info->pszText) column.text = info->pszText;
                    if (info->mask & LVCF_WIDTH) column.width = info->cx;
                    if (info->mask & LVCF_FMT) column.format = info->fmt;
                } else {
                    if ((info->mask & LVCF_TEXT) && info->pszText && info->cchTextMax > 0) {
                        copyText(column.text, static_cast<WPARAM>(info->cchTextMax), reinterpret_cast<LPARAM>(info->pszText));
                    }
                    if (info->mask & LVCF_WIDTH) info->cx = column.width;
                    if (info->mask & LVCF_FMT) info->fmt = column.format;
                }
                return TRUE;
            }
            case LVM_INSERTITEMW: {
                const auto* info = reinterpret_cast<const LVITEMW*>(lParam);
                if (info == nullptr || info->iSubItem != 0) return -1;
                Row row;
                row.texts.push_back((info->mask & LVIF_TEXT) && info->pszText ? info->pszText : L"");
                if (info->mask & LVIF_PARAM) row.data = info->lParam;
                int index = std::clamp(info->iItem, 0, static_cast<int>(rows_.size()));
                const DWORD style = system.find(self)->style;
                if (style & (LVS_SORTASCENDING | LVS_SORTDESCENDING)) {
                    const bool ascending = (style & LVS_SORTASCENDING) != 0;
                    index = 0;
                    while (index < static_cast<int>(rows_.size())) {
                        const std::wstring other = foldCase(rows_[static_cast<std::size_t>(index)].texts[0]);
                        const std::wstring mine = foldCase(row.texts[0]);
                        if (ascending ? mine < other : mine > other) break;
                        ++index;
                    }
                }
                rows_.insert(rows_.begin() + index, row);
                if (mark_ >= index) ++mark_;
                if (editing_ >= index) ++editing_;
                NMLISTVIEW inserted{};
                inserted.hdr.code = LVN_INSERTITEM;
                inserted.iItem = index;
                system.notifyParent(self, inserted.hdr);
                if ((info->mask & LVIF_STATE) && system.exists(self)) setState(system, self, index, info->state, info->stateMask);
                return index;
            }
            case LVM_SETITEMW: {
                const auto* info = reinterpret_cast<const LVITEMW*>(lParam);
                if (info == nullptr || !valid(info->iItem)) return FALSE;
                Row& row = rows_[static_cast<std::size_t>(info->iItem)];
                if ((info->mask & LVIF_TEXT) && info->pszText) setText(row, info->iSubItem, info->pszText);
                if ((info->mask & LVIF_PARAM) && info->iSubItem == 0) row.data = info->lParam;
                if (info->mask & LVIF_STATE) setState(system, self, info->iItem, info->state, info->stateMask);
                return TRUE;
            }
            case LVM_GETITEMW: {
                auto* info = reinterpret_cast<LVITEMW*>(lParam);
                if (info == nullptr || !valid(info->iItem)) return FALSE;
                const Row& row = rows_[static_cast<std::size_t>(info->iItem)];
                if ((info->mask & LVIF_TEXT) && info->pszText && info->cchTextMax > 0) {
                    copyText(text(row, info->iSubItem), static_cast<WPARAM>(info->cchTextMax), reinterpret_cast<LPARAM>(info->pszText));
                }
                if (info->mask & LVIF_PARAM) info->lParam = row.data;
                if (info->mask & LVIF_STATE) info->state = row.state & info->stateMask;
                return TRUE;
            }
            case LVM_SETITEMTEXTW: {
                const auto* info = reinterpret_cast<const LVITEMW*>(lParam);
                if (info == nullptr || !valid(indexArg(wParam))) return FALSE;
                setText(rows_[static_cast<std::size_t>(indexArg(wParam))], info->iSubItem, info->pszText ? info->pszText : L"");
                return TRUE;
            }
            case LVM_GETITEMTEXTW: {
                auto* info = reinterpret_cast<LVITEMW*>(lParam);
                if (info == nullptr || !valid(indexArg(wParam)) || info->pszText == nullptr || info->cchTextMax <= 0) return 0;
                return copyText(text(rows_[static_cast<std::size_t>(indexArg(wParam))], info->iSubItem),
                                static_cast<WPARAM>(info->cchTextMax), reinterpret_cast<LPARAM>(info->pszText));
            }
            case LVM_DELETEITEM: {
                const int index = indexArg(wParam);
                if (!valid(index)) return FALSE;
                NMLISTVIEW deleted{};
                deleted.hdr.code = LVN_DELETEITEM;
                deleted.iItem = index;
                deleted.lParam = rows_[static_cast<std::size_t>(index)].data;
                system.notifyParent(self, deleted.hdr);
                if (!valid(index)) return FALSE;
                rows_.erase(rows_.begin() + index);
                if (mark_ == index) mark_ = -1;
                else if (mark_ > index) --mark_;
                return TRUE;
            }
            case LVM_DELETEALLITEMS: {
                NMLISTVIEW deleted{};
                deleted.hdr.code = LVN_DELETEALLITEMS;
                deleted.iItem = -1;
                system.notifyParent(self, deleted.hdr);
                rows_.clear();
                mark_ = -1;
                return TRUE;
            }
            case LVM_GETITEMCOUNT:
                return static_cast<LRESULT>(rows_.size());
            case LVM_GETNEXTITEM: {
                const UINT flags = LOWORD(static_cast<std::uintptr_t>(lParam));
                for (int i = std::max(-1, indexArg(wParam)) + 1; i < static_cast<int>(rows_.size()); ++i) {
                    const UINT state = rows_[static_cast<std::size_t>(i)].state;
                    if ((flags & LVNI_SELECTED) && !(state & LVIS_SELECTED)) continue;
                    if ((flags & LVNI_FOCUSED) && !(state & LVIS_FOCUSED)) continue;
                    return i;
                }
                return -1;
            }
            case LVM_SETITEMSTATE: {
                const auto* info = reinterpret_cast<const LVITEMW*>(lParam);
                if (info == nullptr) return FALSE;
                const int index = indexArg(wParam);
                if (index == -1) {
                    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) setState(system, self, i, info->state, info->stateMask);
                    return TRUE;
                }
                if (!valid(index)) return FALSE;
                setState(system, self, index, info->state, info->stateMask);
                return TRUE;
            }
            case LVM_GETITEMSTATE:
                return valid(indexArg(wParam)) ? static_cast<LRESULT>(rows_[static_cast<std::size_t>(indexArg(wParam))].state & lParam) : 0;
            case LVM_GETSELECTEDCOUNT: {
                LRESULT count = 0;
                for (const Row& row : rows_) count += (row.state & LVIS_SELECTED) ? 1 : 0;
                return count;
            }
            case LVM_SETEXTENDEDLISTVIEWSTYLE: {
                const DWORD mask = wParam == 0 ? 0xFFFFFFFFu : static_cast<DWORD>(wParam);
                const DWORD old = extended_;
                extended_ = (extended_ & ~mask) | (static_cast<DWORD>(lParam) & mask);
                return old;
            }
            case LVM_GETEXTENDEDLISTVIEWSTYLE:
                return extended_;
            case LVM_ENSUREVISIBLE:
                return TRUE;
            case LVM_GETSELECTIONMARK:
                return mark_;
            case LVM_SETSELECTIONMARK:
                return std::exchange(mark_, static_cast<int>(lParam));
            case LVM_EDITLABELW:
                return reinterpret_cast<LRESULT>(beginEdit(system, self, indexArg(wParam)));
            case LVM_GETEDITCONTROL:
                return reinterpret_cast<LRESULT>(edit_);
            case LVM_CANCELEDITLABEL:
                endEdit(system, self, false);
                return 0;
            case SIM_END_LABEL_EDIT:
                endEdit(system, self, wParam == 1);
                return 0;
            case SIM_USER_SELECT: {
                const int index = indexArg(wParam);
                if (!valid(index) || !system.enabled(self)) return FALSE;
                if (system.focus() != self) system.setFocus(self);
                if (!(system.find(self)->style & LVS_SINGLESEL)) {
                    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
                        if (i != index) setState(system, self, i, 0, LVIS_SELECTED | LVIS_FOCUSED);
                    }
                }
                setState(system, self, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                mark_ = index;
                NMITEMACTIVATE click{};
                click.hdr.code = NM_CLICK;
                click.iItem = index;
                system.notifyParent(self, click.hdr);
                if (lParam == 1 && system.exists(self)) {
                    click.hdr.code = NM_DBLCLK;
                    system.notifyParent(self, click.hdr);
                    click.hdr.code = LVN_ITEMACTIVATE;
                    if (system.exists(self)) system.notifyParent(self, click.hdr);
                }
                return TRUE;
            }
            case WM_KEYDOWN: {
                NMLVKEYDOWN key{};
                key.hdr.code = LVN_KEYDOWN;
                key.wVKey = static_cast<WORD>(wParam);
                system.notifyParent(self, key.hdr);
                if (!system.exists(self)) return 0;
                int focused = -1;
                for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
                    if (rows_[static_cast<std::size_t>(i)].state & LVIS_FOCUSED) focused = i;
                }
                if (wParam == VK_F2 && (system.find(self)->style & LVS_EDITLABELS) && valid(focused)) {
                    beginEdit(system, self, focused);
                } else if ((wParam == VK_DOWN || wParam == VK_UP) && !rows_.empty()) {
                    const int next = std::clamp(focused + (wParam == VK_DOWN ? 1 : -1), 0, static_cast<int>(rows_.size()) - 1);
                    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
                        if (i != next) setState(system, self, i, 0, LVIS_SELECTED | LVIS_FOCUSED);
                    }
                    setState(system, self, next, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                }
                return 0;
            }
            case WM_SETFOCUS:
            case WM_KILLFOCUS: {
                NMHDR header{};
                header.code = message == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS;
                system.notifyParent(self, header);
                return 0;
            }
            default:
                return defaultProcedure(system, self, message, wParam, lParam);
        }
    }

    std::wstring kind(const Window&) const override { return L"list view"; }
    std::wstring state(const Window&) const override {
        std::wstring out = L"sel " + std::to_wstring(selection());
        if (editing_ >= 0) out += L" editing " + std::to_wstring(editing_);
        return out;
    }
    std::vector<std::wstring> items() const override {
        std::vector<std::wstring> out;
        for (const Row& row : rows_) {
            std::wstring line;
            const std::size_t count = std::max(columns_.size(), row.texts.size());
            for (std::size_t i = 0; i < count; ++i) line += (i ? L" | " : L"") + text(row, static_cast<int>(i));
            out.push_back(line);
        }
        return out;
    }
    int selection() const override {
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            if (rows_[i].state & LVIS_SELECTED) return static_cast<int>(i);
        }
        return -1;
    }

private:
    struct Column {
        std::wstring text;
        int width = 60;
        int format = LVCFMT_LEFT;
    };
    struct Row {
        std::vector<std::wstring> texts;
        UINT state = 0;
        LPARAM data = 0;
    };

    bool valid(int index) const { return index >= 0 && index < static_cast<int>(rows_.size()); }
    static std::wstring text(const Row& row, int subItem) {
        return subItem >= 0 && static_cast<std::size_t>(subItem) < row.texts.size() ? row.texts[static_cast<std::size_t>(subItem)] : std::wstring{};
    }
    static void setText(Row& row, int subItem, const wchar_t* value) {
        if (subItem < 0) return;
        if (row.texts.size() <= static_cast<std::size_t>(subItem)) row.texts.resize(static_cast<std::size_t>(subItem) + 1);
        row.texts[static_cast<std::size_t>(subItem)] = value;
    }

    // A state change, reported with LVN_ITEMCHANGING (which may refuse it) and LVN_ITEMCHANGED;
    // programmatic changes are reported too, as the list view does.
    void setState(WindowSystem& system, HWND self, int index, UINT state, UINT mask) {
        if (!valid(index)) return;
        const UINT old = rows_[static_cast<std::size_t>(index)].state;
        const UINT updated = (old & ~mask) | (state & mask);
        if (updated == old) return;
        const DWORD style = system.find(self)->style;
        if ((updated & LVIS_SELECTED) && !(old & LVIS_SELECTED) && (style & LVS_SINGLESEL)) {
            for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
                if (i != index) setState(system, self, i, 0, LVIS_SELECTED);
            }
        }
        if ((updated & LVIS_FOCUSED) && !(old & LVIS_FOCUSED)) {
            for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
                if (i != index) setState(system, self, i, 0, LVIS_FOCUSED);
            }
        }
        NMLISTVIEW change{};
        change.hdr.code = LVN_ITEMCHANGING;
        change.iItem = index;
        change.uNewState = updated;
        change.uOldState = old;
        change.uChanged = LVIF_STATE;
        change.lParam = rows_[static_cast<std::size_t>(index)].data;
        if (system.notifyParent(self, change.hdr) != 0 || !valid(index)) return;
        rows_[static_cast<std::size_t>(index)].state = updated;
        change.hdr.code = LVN_ITEMCHANGED;
        system.notifyParent(self, change.hdr);
    }

    HWND beginEdit(WindowSystem& system, HWND self, int index) {
        if (editing_ >= 0) endEdit(system, self, true);
        if (!valid(index) || !system.exists(self)) return nullptr;
        std::wstring label = text(rows_[static_cast<std::size_t>(index)], 0);
        NMLVDISPINFOW begin{};
        begin.hdr.code = LVN_BEGINLABELEDITW;
        begin.item.iItem = index;
        begin.item.mask = LVIF_TEXT | LVIF_PARAM;
        begin.item.pszText = label.data();
        begin.item.lParam = rows_[static_cast<std::size_t>(index)].data;
        if (system.notifyParent(self, begin.hdr) != 0 || !system.exists(self)) return nullptr;  // refused
        CreateParams params;
        params.className = L"Edit";
        params.text = text(rows_[static_cast<std::size_t>(index)], 0);
        params.style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
        params.parent = self;
        params.rect = {0, 0, 100, 18};
        const HWND edit = system.create(std::move(params));
        if (edit == nullptr) return nullptr;
        editing_ = index;
        edit_ = edit;
        system.setFocus(edit);
        system.send(edit, EM_SETSEL, 0, -1);
        return edit;
    }

    // LVN_ENDLABELEDITW with the typed text (null when cancelled); a TRUE answer keeps it.
    void endEdit(WindowSystem& system, HWND self, bool keep) {
        if (editing_ < 0) return;
        const int index = std::exchange(editing_, -1);
        const HWND edit = std::exchange(edit_, nullptr);
        std::wstring typed = system.text(edit);
        NMLVDISPINFOW end{};
        end.hdr.code = LVN_ENDLABELEDITW;
        end.item.iItem = index;
        end.item.mask = LVIF_TEXT;
        end.item.pszText = keep ? typed.data() : nullptr;
        const LRESULT accepted = system.notifyParent(self, end.hdr);
        if (keep && accepted && valid(index) && system.exists(self)) setText(rows_[static_cast<std::size_t>(index)], 0, typed.c_str());
        const bool hadFocus = system.focus() == edit;
        system.destroy(edit);
        if (hadFocus && system.exists(self)) system.setFocus(self);
    }

    std::vector<Column> columns_;
    std::vector<Row> rows_;
    DWORD extended_ = 0;
    int mark_ = -1;
    int editing_ = -1;
    HWND edit_ = nullptr;
};

}  // namespace

std::unique_ptr<Control> makeListView() { return std::make_unique<ListViewControl>(); }

}  // namespace vexa::sim::win

#include "sim/user/dialog_layout.h"

#include <cstring>
#include <optional>

#include "win/commctrl.h"
#include "win/resource_styles.h"

namespace vexa::sim::win {

namespace {

std::optional<DialogTemplate> templateOf(WindowSystem& system, const Window& dialog) {
    if (dialog.templateName.empty() || dialog.instance == nullptr) return std::nullopt;
    const bool ordinal = dialog.templateName.find_first_not_of(L"0123456789") == std::wstring::npos;
    const ResourceId name = ordinal ? ResourceId::of(static_cast<WORD>(std::stoul(dialog.templateName))) : ResourceId::of(dialog.templateName);
    return system.resources().dialog(dialog.instance, name);
}

const DialogItemTemplate* itemOf(const DialogTemplate& dialog, int id) {
    for (const DialogItemTemplate& item : dialog.items) {
        if (static_cast<int>(static_cast<WORD>(item.id)) == static_cast<int>(static_cast<WORD>(id))) return &item;
    }
    return nullptr;
}

std::wstring size(long x, long y, long width, long height, const wchar_t* unit) {
    return std::to_wstring(x) + L"," + std::to_wstring(y) + L" " + std::to_wstring(width) + L"x" + std::to_wstring(height) + L" " + unit;
}

// A bitmap resource's size from its BITMAPINFOHEADER (width at byte 4, height at byte 8).
std::wstring bitmapSize(WindowSystem& system, HINSTANCE instance, WORD id) {
    const auto bytes = system.resources().find(instance, ResourceId::of(RT_BITMAP_ID), ResourceId::of(id));
    if (!bytes || bytes->size() < 12) return L"missing";
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::memcpy(&width, bytes->data() + 4, 4);
    std::memcpy(&height, bytes->data() + 8, 4);
    return std::to_wstring(width) + L"x" + std::to_wstring(height < 0 ? -height : height);
}

std::wstring picture(WindowSystem& system, const Window& dialog, const Window& control, const DialogItemTemplate* item) {
    // An image named by the template: its ordinal is the bitmap's or icon's resource id.
    if (item == nullptr || !item->title.isOrdinal || foldCase(control.className) != L"STATIC") return {};
    const DWORD type = control.style & SS_TYPEMASK;
    if (type == SS_BITMAP) return L" bitmap " + std::to_wstring(item->title.ordinal) + L" " + bitmapSize(system, dialog.instance, item->title.ordinal);
    if (type == SS_ICON) return L" icon " + std::to_wstring(item->title.ordinal);
    return {};
}

// The columns as the list view reports them to anyone who asks.
std::wstring columns(WindowSystem& system, const Window& control) {
    if (foldCase(control.className) != L"SYSLISTVIEW32") return {};
    std::wstring out;
    for (int index = 0;; ++index) {
        wchar_t text[260] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = text;
        column.cchTextMax = 260;
        if (!system.send(control.handle, LVM_GETCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column))) break;
        out += (index ? L", \"" : L" columns \"") + std::wstring(text) + L"\" " + std::to_wstring(column.cx);
    }
    return out;
}

}  // namespace

std::wstring dialogFont(WindowSystem& system, const Window& dialog) {
    const std::optional<DialogTemplate> found = templateOf(system, dialog);
    if (!found || found->typeface.empty()) return {};
    return L" font \"" + found->typeface + L"\" " + std::to_wstring(found->pointSize);
}

std::wstring controlLayout(WindowSystem& system, const Window& control) {
    // The template is the one the control's own dialog (or page) was built from.
    const Window* dialog = system.find(control.parent);
    const std::optional<DialogTemplate> found = dialog && dialog->isDialog ? templateOf(system, *dialog) : std::nullopt;
    const DialogItemTemplate* item = found ? itemOf(*found, control.id) : nullptr;
    std::wstring out = L" at ";
    if (item != nullptr) out += size(item->x, item->y, item->cx, item->cy, L"dlu") + L" ";
    const RECT& r = control.rect;
    out += size(r.left, r.top, r.right - r.left, r.bottom - r.top, L"px");
    return out + (dialog ? picture(system, *dialog, control, item) : std::wstring()) + columns(system, control);
}

}  // namespace vexa::sim::win

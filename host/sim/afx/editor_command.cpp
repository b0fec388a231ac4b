// The host's dialogs stepping aside for the editor, and the host's select button.
#include "acad/acui.h"
#include "sim/host.h"

void CAdUiBaseDialog::BeginEditorCommand() {
    CWnd* focus = CWnd::GetFocus();
    focusBeforeEditor_ = focus != nullptr ? focus->m_hWnd : nullptr;
    ShowWindow(SW_HIDE);
    // The modal dialog disabled its owner, the host's frame; the editor needs it back.
    if (CWnd* owner = GetOwner()) owner->EnableWindow(TRUE);
}

void CAdUiBaseDialog::CompleteEditorCommand(BOOL restoreDialogs) {
    if (CWnd* owner = GetOwner()) owner->EnableWindow(FALSE);
    if (!restoreDialogs) return;
    ShowWindow(SW_SHOW);
    if (focusBeforeEditor_ != nullptr && ::IsWindow(focusBeforeEditor_)) ::SetFocus(focusBeforeEditor_);
    focusBeforeEditor_ = nullptr;
}

void CAdUiBaseDialog::CancelEditorCommand() { CompleteEditorCommand(TRUE); }

namespace {

// The host's selection picture: a 16 x 16 arrow over a dashed box, as a device-independent
// bitmap with a 2-colour table.
const std::vector<std::uint8_t>& selectBitmap() {
    static const std::vector<std::uint8_t> bytes = [] {
        std::vector<std::uint8_t> dib(40 + 8 + 16 * 4, 0);
        const auto put32 = [&](std::size_t at, std::uint32_t value) {
            for (int i = 0; i < 4; ++i) dib[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
        };
        put32(0, 40);
        put32(4, 16);
        put32(8, 16);
        dib[12] = 1;  // planes
        dib[14] = 1;  // bits per pixel
        dib[44] = dib[45] = dib[46] = 0xFF;  // colour 1 white; colour 0 black
        for (int row = 0; row < 16; ++row) {
            // Rows run bottom-up; the arrow fills the upper left, the box edge the lower right.
            const int fromTop = 15 - row;
            std::uint16_t bits = fromTop < 8 ? static_cast<std::uint16_t>(0xFFFF << (15 - fromTop)) : 0;
            if (fromTop == 8 || fromTop == 15) bits |= 0x00AA;
            else if (fromTop > 8) bits |= 0x0081;
            const std::size_t at = 48 + static_cast<std::size_t>(row) * 4;
            dib[at] = static_cast<std::uint8_t>(bits >> 8);
            dib[at + 1] = static_cast<std::uint8_t>(bits);
        }
        return dib;
    }();
    return bytes;
}

}  // namespace

BOOL CAcUiSelectButton::AutoLoad() {
    if (m_hWnd == nullptr) return FALSE;
    SetBitmap(reinterpret_cast<HBITMAP>(const_cast<std::uint8_t*>(selectBitmap().data())));
    return TRUE;
}

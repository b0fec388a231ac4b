#include "frame/captions.h"

namespace vexa::frame {

namespace {

const std::wstring& slotText(const std::vector<std::wstring>& captions, std::size_t slot) {
    static const std::wstring empty;
    return slot < captions.size() ? captions[slot] : empty;
}

}  // namespace

void putCaptionsBlankingMissing(CWnd& dialog, const std::vector<std::wstring>& captions,
                                std::initializer_list<CaptionTarget> targets) {
    dialog.SetWindowText(slotText(captions, 0));
    for (const CaptionTarget& target : targets) {
        dialog.SetDlgItemText(target.controlId, slotText(captions, target.slot));
    }
}

void putCaptionsKeepingResourceTexts(CWnd& dialog, const std::optional<std::vector<std::wstring>>& captions,
                                     std::initializer_list<int> slotControls) {
    if (!captions) return;
    std::size_t slot = 0;
    for (int control : slotControls) {
        if (slot >= captions->size()) break;
        const std::wstring& text = (*captions)[slot++];
        if (control == 0) dialog.SetWindowText(text);
        else if (control > 0) dialog.SetDlgItemText(control, text);
    }
}

std::wstring captionOr(const std::optional<std::vector<std::wstring>>& captions, std::size_t slot,
                       std::wstring fallback) {
    return captions && slot < captions->size() ? (*captions)[slot] : std::move(fallback);
}

}  // namespace vexa::frame

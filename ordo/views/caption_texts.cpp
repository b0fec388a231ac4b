#include "ordo/views/caption_texts.h"

namespace vexa::ordo {

namespace {

const std::wstring& slotText(const std::vector<std::wstring>& captions, std::size_t slot) {
    static const std::wstring empty;
    return slot < captions.size() ? captions[slot] : empty;
}

}  // namespace

void showCaptions(CWnd& dialog, const std::vector<std::wstring>& captions,
                  std::initializer_list<CaptionTarget> targets) {
    dialog.SetWindowText(slotText(captions, 0));
    for (const CaptionTarget& target : targets) {
        dialog.SetDlgItemText(target.controlId, slotText(captions, target.slot));
    }
}

}  // namespace vexa::ordo

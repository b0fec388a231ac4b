#include "ordo/layers/flash_colours.h"

#include "ordo/layers/answer_items.h"

namespace vexa::ordo {

void readFlashColours(const resbuf* answer, FlashColourSlots& slots) {
    for (const frame::Element& item : answerItems(answer)) {
        const std::vector<frame::Element> children = item.children();
        if (children.size() < 5) continue;
        const std::optional<short> tag = children[0].integer();
        const std::optional<short> index = children[4].integer();
        if (tag && index && *tag >= 0 && *tag < static_cast<short>(slots.size())) slots[*tag] = *index;
    }
}

}  // namespace vexa::ordo

#include "kito/settings/settings_answer.h"

#include <cstdint>

namespace vexa::kito {

ColourAnswer colourAnswer(const AcCmColor& colour) {
    ColourAnswer answer;
    switch (colour.colorMethod()) {
        case AcCmEntityColor::kByLayer: answer.method = 192; break;
        case AcCmEntityColor::kByBlock: answer.method = 193; break;
        case AcCmEntityColor::kByACI: answer.method = 195; break;
        default: answer.method = 194; break;
    }
    answer.index = static_cast<std::uint16_t>(colour.colorIndex());
    answer.red = colour.red();
    answer.green = colour.green();
    answer.blue = colour.blue();
    answer.name = colour.colorName();
    answer.book = colour.bookName();
    return answer;
}

ColourAnswer secondPlaceholderAnswer() {
    ColourAnswer answer;
    answer.method = -1;
    return answer;
}

void buildSettingsAnswer(frame::ListBuilder& list, const SettingsAnswer& answer, bool touched) {
    list.beginList().beginList().beginList();
    list.string(answer.symbol).integer(static_cast<short>(answer.fading)).integer(static_cast<short>(answer.opacity));
    list.endList();
    for (const PageAnswer& page : answer.pages) {
        const ColourAnswer& colour = page.colour;
        list.beginList().string(page.layer).beginList();
        list.integer(static_cast<short>(colour.method)).longInteger(colour.index);
        list.integer(static_cast<short>(colour.red)).integer(static_cast<short>(colour.green));
        list.integer(static_cast<short>(colour.blue)).string(colour.name).string(colour.book);
        list.endList().string(page.linetype).endList();
    }
    list.endList().integer(touched ? 1 : 0).endList();
}

void buildCancelledAnswer(frame::ListBuilder& list, bool touched) {
    list.beginList().nil().integer(touched ? 1 : 0).endList();
}

}  // namespace vexa::kito

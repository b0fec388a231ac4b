#include "ordo/tools/counted_strings.h"

namespace vexa::ordo {

std::optional<CountedStrings> readCountedStrings(const frame::Element& list, std::size_t perRow, std::size_t captions) {
    if (!list.isList() || list.isDottedPair()) return std::nullopt;
    const std::vector<frame::Element> children = list.children();
    if (children.size() < 2) return std::nullopt;
    const std::optional<short> rows = children[0].integer();
    const std::optional<short> fixed = children[1].integer();
    if (!rows || !fixed || *rows < 0 || *fixed < 0) return std::nullopt;
    const std::size_t texts = static_cast<std::size_t>(*rows) * perRow;
    if (children.size() < 2 + texts + captions) return std::nullopt;
    CountedStrings read;
    read.fixed = *fixed;
    for (std::size_t i = 0; i < texts + captions; ++i) {
        const ACHAR* text = children[2 + i].string();
        if (text == nullptr) return std::nullopt;
        (i < texts ? read.rowTexts : read.captions).emplace_back(text);
    }
    return read;
}

}  // namespace vexa::ordo

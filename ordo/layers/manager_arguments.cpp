#include "ordo/layers/manager_arguments.h"

#include <algorithm>

#include "frame/lisp_items.h"

namespace vexa::ordo {

namespace {

void readLayerList(const frame::Element& list, ManagerArguments& read) {
    const std::vector<frame::Element> children = list.children();
    if (children.empty()) return;
    const std::optional<short> count = children[0].integer();
    if (!count) return;
    read.hasLayerItem = true;
    read.count = *count;
    const std::size_t wanted = static_cast<std::size_t>(std::max<short>(*count, 0));
    // Names that are not strings are skipped rather than read as text.
    for (std::size_t i = 1; i < children.size() && read.names.size() < wanted; ++i) {
        if (const ACHAR* name = children[i].string()) read.names.emplace_back(name);
    }
}

}  // namespace

ManagerArguments readManagerArguments(const resbuf* args) {
    ManagerArguments read;
    for (const frame::Element& item : frame::elementsOf(args)) {
        if (!item.isList() || item.isDottedPair()) continue;
        if (frame::isCaptionList(item)) {
            if (!read.captions) read.captions = frame::readCaptions(item.children(), kManagerCaptionSlots);
            continue;
        }
        const std::vector<frame::Element> children = item.children();
        if (children.size() < 2) continue;
        const std::optional<short> tag = children[0].integer();
        if (tag == 0 && children[1].isList()) readLayerList(children[1], read);
        else if (tag == 1 && children[1].string() != nullptr) read.mainLayer = children[1].string();
    }
    return read;
}

}  // namespace vexa::ordo

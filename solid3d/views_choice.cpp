#include "solid3d/views_choice.h"

#include <cstdlib>

#include "frame/lisp_items.h"

namespace vexa::solid3d {

namespace {
constexpr int kAllViews = (1 << kViewCount) - 1;
constexpr std::size_t kItemCount = 24;
}  // namespace

std::optional<ViewsChoice> readViewsChoice(const resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    if (items.size() < kItemCount) return std::nullopt;
    const std::optional<short> initial = items[0].integer();
    const std::optional<short> allowed = items[1].integer();
    const std::optional<short> argument = items[23].integer();
    if (!initial || !allowed || !argument || items[22].string() == nullptr) return std::nullopt;
    ViewsChoice choice;
    for (std::size_t i = 0; i < kViewsCaptionCount; ++i) {
        const ACHAR* text = items[2 + i].string();
        if (text == nullptr) return std::nullopt;
        choice.captions[i] = text;
    }
    const int bits = std::abs(static_cast<int>(*initial));
    choice.showHidden = *initial >= 0;
    choice.views = bits & kAllViews;
    choice.quick = (bits & kQuickModeBit) != 0;
    choice.allowed = *allowed;
    choice.returnAutomatically = *allowed > 0;
    choice.settingsFunction = items[22].string();
    choice.settingsArgument = *argument;
    return choice;
}

int viewsChoiceResult(const ViewsChoice& choice) {
    const int result = choice.views + (choice.quick ? kQuickModeBit : 0) +
                       (choice.returnAutomatically ? kReturnAutomaticallyBit : 0);
    return choice.showHidden ? result : -result;
}

int enabledViews(bool returnAutomatically, short allowed) {
    return returnAutomatically ? std::abs(static_cast<int>(allowed)) & kAllViews : kAllViews;
}

bool okEnabled(int checkedViews, bool returnAutomatically, short allowed) {
    const int counted = returnAutomatically ? checkedViews & std::abs(static_cast<int>(allowed)) : checkedViews;
    return counted != 0;
}

}  // namespace vexa::solid3d

#include "ordo/layers/sel_lay_text.h"

namespace vexa::ordo {

namespace {

constexpr std::size_t kNameBudget = 50;

}  // namespace

std::wstring layerTooltipText(std::wstring_view oneLayerText, std::wstring_view severalLayersText,
                              const std::vector<std::optional<std::wstring>>& layers) {
    std::wstring text;
    if (layers.size() == 1) {
        text = oneLayerText;
    } else {
        text = std::to_wstring(layers.size()) + L" ";
        text += severalLayersText;
    }
    std::size_t used = 0;
    for (std::size_t i = 0; i < layers.size() && used < kNameBudget; ++i) {
        if (!layers[i]) continue;
        std::wstring name = *layers[i];
        if (i + 1 < layers.size()) name += L", ";
        used += name.size();
        if (used > kNameBudget) {
            name.resize(name.size() - (used - kNameBudget));
            name += L"...";
        }
        text += name;
    }
    return text;
}

}  // namespace vexa::ordo

// The layer tooltip's text for the objects under the cursor.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexa::ordo {

// layers: the collected layers in order of first appearance, each with its name, or without one
// when its record could not be opened. One layer: the one-layer text and the name; otherwise
// the count, a blank and the several-layers text; then the names, separated by ", ", until about
// 50 characters are used, a name that overruns being cut and followed by "...".
std::wstring layerTooltipText(std::wstring_view oneLayerText, std::wstring_view severalLayersText,
                              const std::vector<std::optional<std::wstring>>& layers);

}  // namespace vexa::ordo

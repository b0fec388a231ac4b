// What "Vexa-DimSettingsDlg" is given and hands back, and how its argument list is read.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "acad/accmcolor.h"
#include "acad/adscodes.h"
#include "frame/resbuf_chain.h"

namespace vexa::dim {

// One page's layer, colour and linetype; a value counts when the caller gave it or the user
// touched its list.
struct PageProperties {
    std::wstring layer;
    AcCmColor colour;
    std::wstring linetype;
    bool layerGiven = false;
    bool colourGiven = false;
    bool linetypeGiven = false;
    std::vector<std::wstring> layerNames;
};

struct SettingsOptions {
    std::array<PageProperties, 3> pages;
    // Title, the three tab names, OK, Cancel, the style label, the style button and the three
    // property labels, in the order of the call.
    std::vector<std::wstring> texts;
    int firstTab = 0;
    std::wstring dimensionStyle;  // set at OK
};

constexpr std::size_t settingsTextCount = 11;

// Nothing for a call of another shape: three property lists (layer or nil, colour list or
// nil, linetype or nil, layer names or nil), eleven strings and an optional tab 0 to 2.
std::optional<SettingsOptions> readSettingsOptions(const resbuf* args);

// ((style layer colour linetype) (layer colour linetype) (layer colour linetype))
frame::ListBuilder settingsResult(const SettingsOptions& options);

}  // namespace vexa::dim

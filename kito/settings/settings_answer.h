// The answer of "Vexa-mainSettings": the chosen values at OK, (nil touched) at Cancel.
#pragma once

#include <array>
#include <string>

#include "acad/accmcolor.h"
#include "frame/resbuf_chain.h"
#include "kito/settings/settings_request.h"

namespace vexa::kito {

// (method index red green blue colourName bookName); method 0 for a colour not given, -1 for
// the second placeholder.
using ColourAnswer = SettingsColour;

// By layer 192, by block 193, index colour 195, any other method 194; the index as 16 bits unsigned.
ColourAnswer colourAnswer(const AcCmColor& colour);
ColourAnswer secondPlaceholderAnswer();

struct PageAnswer {
    std::wstring layer;
    ColourAnswer colour;
    std::wstring linetype;
};

struct SettingsAnswer {
    std::wstring symbol;
    int fading = 0;
    int opacity = 0;
    std::array<PageAnswer, 3> pages;
};

// (((symbol fading opacity) (layer colour linetype) …) touched)
void buildSettingsAnswer(frame::ListBuilder& list, const SettingsAnswer& answer, bool touched);
// (nil touched)
void buildCancelledAnswer(frame::ListBuilder& list, bool touched);

}  // namespace vexa::kito

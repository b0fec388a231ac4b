// Arguments and result of "Vexa-dxVBKchkx", the views check setup.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "acad/adscodes.h"
#include "frame/resbuf_chain.h"

namespace vexa::ordo {

inline constexpr std::size_t kViewsCheckSetupCaptionSlots = 9;

// The callers always pass the angle and the three checks; 0 stands in for a missing one.
struct ViewsCheckSetup {
    int check1 = 0;
    int check2 = 0;
    int check3 = 0;
    float angleFuzzy = 0.0f;
    std::wstring positionFuzzy;
    std::vector<std::wstring> captions = std::vector<std::wstring>(kViewsCheckSetupCaptionSlots);
};

// Code 1 angle (real or integer), 2 position text, 3 to 5 the checks. Nothing without arguments.
std::optional<ViewsCheckSetup> readViewsCheckSetup(const resbuf* args);

// The result (angle position check1 check2): check 3 is not returned.
frame::ListBuilder viewsCheckSetupResult(const ViewsCheckSetup& setup);

}  // namespace vexa::ordo

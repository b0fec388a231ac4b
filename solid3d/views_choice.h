// Arguments and result of "Vexa-ViewsDlg", and the rules its dialog applies to the view check boxes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "acad/adscodes.h"

namespace vexa::solid3d {

inline constexpr int kViewCount = 11;
inline constexpr int kQuickModeBit = 2048;
inline constexpr int kReturnAutomaticallyBit = 4096;
inline constexpr std::size_t kViewsCaptionCount = 20;

struct ViewsChoice {
    int views = 0;  // bits 0..10, one per view
    bool showHidden = true;
    bool returnAutomatically = false;
    bool quick = false;
    short allowed = 0;  // its sign gives the starting state of "Return automatically"
    // Title, group, the eleven views in bit order, radios 122 and 123, boxes 109 and 124, OK, Cancel, button 140.
    std::vector<std::wstring> captions = std::vector<std::wstring>(kViewsCaptionCount);
    std::wstring settingsFunction;
    short settingsArgument = 0;
};

// The 24 items by position; nothing when one is missing or of the wrong type.
std::optional<ViewsChoice> readViewsChoice(const resbuf* args);

// The checked views' bits, plus 2048 for quick mode and 4096 for "Return automatically",
// negated when hidden features are not shown.
int viewsChoiceResult(const ViewsChoice& choice);

// The views that may be chosen: those of the allowed mask while "Return automatically" is on, else all.
int enabledViews(bool returnAutomatically, short allowed);

// OK is enabled exactly when a view that may be chosen is checked.
bool okEnabled(int checkedViews, bool returnAutomatically, short allowed);

}  // namespace vexa::solid3d

// The scripted user's acts in the drawing, as tests queue them and as user files name them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "db/entity_geometry.h"
#include "sim/user/user_input.h"

namespace vexa::sim::editor {

// A left click at a world point shown in a viewport (0: the current one).
PromptAnswer pickAt(db::Point2 world, int viewport = 0);
// The Window or Crossing option with its two corners.
std::vector<PromptAnswer> windowActs(db::Point2 first, db::Point2 second, bool crossing);
// "F", "WP" or "CP" with its points, ended by Enter.
std::vector<PromptAnswer> pointListActs(const std::wstring& option, const std::vector<db::Point2>& points);

// User-file acts: "pick X,Y [in N] [shift] [ctrl]", "middle-click X,Y [in N]", "pick-pixel PX,PY" (a client pixel of the drawing
// view), "right-click", "key [ctrl+]KEY" (a letter, a digit or F1 to F12), "window X,Y X,Y",
// "crossing X,Y X,Y", "fence X,Y X,Y …", "wpolygon X,Y …", "cpolygon X,Y …". Nothing for
// another verb; std::invalid_argument for a known verb with bad words.
std::optional<std::vector<PromptAnswer>> parseSelectionAct(const std::wstring& verb, const std::wstring& rest);

}  // namespace vexa::sim::editor

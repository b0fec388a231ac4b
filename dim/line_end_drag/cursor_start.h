// Where the cursor starts for a line-end drag: on the moving end, or where the line leaves the view.
#pragma once

#include "win/atltypes.h"

namespace vexa::dim {

// fixed and moving are the line's ends as client pixels of a view of width x height. The moving
// end when it lies more than 3 pixels inside every edge; else the first crossing of the segment
// from the fixed end with the edges of (3, 3)-(width, height), taken top, right, bottom, left,
// truncated to whole pixels; the moving end when the segment crosses none.
CPoint cursorStart(const CPoint& fixed, const CPoint& moving, int width, int height);

}  // namespace vexa::dim

// What monitors and cursor placement need of the drawing view: the current viewport's scale,
// world points as its client pixels, the view's size, and the cursor.
#pragma once

#include <optional>

#include "acad/dbmain.h"
#include "win/atltypes.h"

namespace vexa::frame {

// The world length of one screen pixel in the current viewport: the distance between the
// drawing positions of pixels (0, 0) and (100, 0), divided by 100.
double pixelSize();

// The current viewport (system variable CVPORT); 0 when it cannot be read.
int currentViewport();

// A world point as a client pixel of the drawing view in the current viewport.
std::optional<CPoint> pixelOf(const AcGePoint3d& world);

struct ViewSize {
    int width = 0;
    int height = 0;
};

// The drawing view's client width and height (its bottom-right corner).
ViewSize drawingViewSize();

// Moves the screen cursor onto a client pixel of the drawing view.
void placeCursor(CPoint clientPixel);

// The linetype "CONTINUOUS" of the working drawing; null when there is none.
AcDbObjectId continuousLinetype();

}  // namespace vexa::frame

// The drawing view as the user sees it: every viewport's entities in their colours and
// linetypes, and what the input-point monitors drew at the last move (transient geometry, tooltip).
#pragma once

#include <memory>

#include "sim/pictures/canvas.h"

namespace vexa::sim {
class Host;
}

namespace vexa::sim::pictures {

std::unique_ptr<Canvas> drawDrawingView(Host& host, const PictureFonts& fonts);

}  // namespace vexa::sim::pictures

// A top-level window (dialog, message box, modeless window) drawn as Windows draws it in the
// classic style: frame, caption bar and every visible control.
#pragma once

#include <memory>
#include <vector>

#include "sim/pictures/canvas.h"
#include "sim/pictures/control_painters.h"

namespace vexa::sim::pictures {

struct WindowPicture {
    std::unique_ptr<Canvas> canvas;
    std::vector<ClippedText> clipped;  // in drawing order
};

// Null canvas when the window does not exist.
WindowPicture drawWindow(win::WindowSystem& system, const PictureFonts& fonts, HWND window);

}  // namespace vexa::sim::pictures

// One painter per control kind, each drawing a control in the classic style at its own origin.
#pragma once

#include <string>
#include <vector>

#include "sim/pictures/canvas.h"
#include "sim/win/user32/window_system.h"

namespace vexa::sim::pictures {

// A text that needs more room than its control gives.
using win::Window;

struct ClippedText {
    int id = 0;
    std::wstring text;
};

struct PaintJob {
    win::WindowSystem& system;
    Canvas& canvas;
    const win::Window& window;
    RECT bounds;  // 0, 0, width, height
    bool enabled;
    bool focused;
    std::vector<ClippedText>& clipped;

    // Draws a caption and records it when it does not fit.
    void caption(const RECT& r, const std::wstring& text, const TextStyle& style) const;
    TextStyle textStyle() const;  // the dialog font in black, or grey when disabled
};

// Draws the control by its window class; false for a class no painter knows (drawn as a blank well).
bool paintControl(const PaintJob& job);

void paintButton(const PaintJob& job);
void paintStatic(const PaintJob& job);
void paintEdit(const PaintJob& job);
void paintListBox(const PaintJob& job);
void paintComboBox(const PaintJob& job);
void paintListView(const PaintJob& job);
void paintTabControl(const PaintJob& job);
void paintTrackbar(const PaintJob& job);
void paintProgress(const PaintJob& job);

// Shared pieces: a list's rows (highlighted selection) and a scroll arrow's box.
void paintRows(const PaintJob& job, const RECT& area, const std::vector<std::wstring>& rows, int selected, int rowHeight);
void paintArrowBox(Canvas& canvas, const RECT& r, bool down);

}  // namespace vexa::sim::pictures

// The two sliders and number boxes that preview locked layers' fading and 3D opacity live:
// fading slider 131 with box 132 (0 to 90), opacity slider 133 with box 134 (0 to 100).
#pragma once

#include <string_view>

#include "frame/locked_layer_display.h"
#include "win/afxcmn.h"

namespace vexa::frame {

constexpr int kFadingSliderId = 131;
constexpr int kFadingBoxId = 132;
constexpr int kOpacitySliderId = 133;
constexpr int kOpacityBoxId = 134;
constexpr int kMaxFading = 90;
constexpr int kMaxOpacity = 100;

// A typed number as the boxes read it: its leading digits, cut to the limit however long
// they run; an empty box counts as 0.
int typedValue(std::wstring_view text, int limit);

class LockedLayerControls {
public:
    explicit LockedLayerControls(LockedLayerDisplay display);

    // Sets up the controls of the dialog or page: ranges, positions and box texts.
    void attach(CWnd& dialog);
    // A slider of the pair moved (any scroll code): the value, its box, then the write.
    bool onScroll(CScrollBar* bar);
    // A box of the pair changed by the user: the value cut to its limit, the slider, the write.
    bool onCommand(WPARAM wParam);
    // Puts the drawing back as it was read, the fading with its sign.
    void restore();

    int fading() const { return fading_; }
    int opacity() const { return opacity_; }
    // Whether the user moved the fading slider or typed in its box.
    bool fadingTouched() const { return fadingTouched_; }

private:
    void showInBox(int boxId, int value);

    LockedLayerDisplay display_;
    CWnd* dialog_ = nullptr;
    CSliderCtrl fadingSlider_;
    CSliderCtrl opacitySlider_;
    int fading_;
    int opacity_;
    bool fadingTouched_ = false;
    bool fillingBox_ = false;
};

}  // namespace vexa::frame

#include "frame/locked_layer_controls.h"

#include <cstdlib>
#include <cwctype>

namespace vexa::frame {

int typedValue(std::wstring_view text, int limit) {
    std::size_t i = 0;
    while (i < text.size() && std::iswspace(static_cast<wint_t>(text[i]))) ++i;
    int value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value >= limit) return limit;
    }
    return value;
}

LockedLayerControls::LockedLayerControls(LockedLayerDisplay display)
    : display_(display), fading_(std::abs(display.initialFading())), opacity_(display.initialOpacity()) {}

void LockedLayerControls::attach(CWnd& dialog) {
    dialog_ = &dialog;
    fadingSlider_.SubclassDlgItem(kFadingSliderId, &dialog);
    opacitySlider_.SubclassDlgItem(kOpacitySliderId, &dialog);
    fadingSlider_.SetRange(0, kMaxFading);
    opacitySlider_.SetRange(0, kMaxOpacity);
    fadingSlider_.SetPos(fading_);
    opacitySlider_.SetPos(opacity_);
    showInBox(kFadingBoxId, fading_);
    showInBox(kOpacityBoxId, opacity_);
}

void LockedLayerControls::showInBox(int boxId, int value) {
    // The box's own change notification is not the user's typing.
    fillingBox_ = true;
    dialog_->SetDlgItemText(boxId, std::to_wstring(value));
    fillingBox_ = false;
}

bool LockedLayerControls::onScroll(CScrollBar* bar) {
    if (dialog_ == nullptr || bar == nullptr) return false;
    const int id = bar->GetDlgCtrlID();
    if (id == kFadingSliderId) {
        fading_ = fadingSlider_.GetPos();
        fadingTouched_ = true;
        showInBox(kFadingBoxId, fading_);
    } else if (id == kOpacitySliderId) {
        opacity_ = opacitySlider_.GetPos();
        showInBox(kOpacityBoxId, opacity_);
    } else {
        return false;
    }
    display_.write(fading_, opacity_);
    return true;
}

bool LockedLayerControls::onCommand(WPARAM wParam) {
    const int id = LOWORD(wParam);
    if (dialog_ == nullptr || HIWORD(wParam) != EN_CHANGE || (id != kFadingBoxId && id != kOpacityBoxId)) return false;
    if (fillingBox_) return true;
    std::wstring text;
    dialog_->GetDlgItemText(id, text);
    if (id == kFadingBoxId) {
        fadingTouched_ = true;
        fading_ = typedValue(text, kMaxFading);
        fadingSlider_.SetPos(fading_);
    } else {
        opacity_ = typedValue(text, kMaxOpacity);
        opacitySlider_.SetPos(opacity_);
    }
    display_.write(fading_, opacity_);
    return true;
}

void LockedLayerControls::restore() { display_.write(display_.initialFading(), display_.initialOpacity()); }

}  // namespace vexa::frame

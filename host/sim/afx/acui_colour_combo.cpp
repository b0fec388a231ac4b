#include "acad/acuicombo.h"

#include <string>

namespace {

constexpr const wchar_t* standardNames[] = {L"Red", L"Yellow", L"Green", L"Cyan", L"Blue", L"Magenta", L"White"};

AcCmColor indexColour(std::int16_t index) {
    AcCmColor colour;
    colour.setColorIndex(index);
    return colour;
}

// The text the host shows for a colour entry.
std::wstring colourText(const AcCmColor& colour) {
    if (colour.isByLayer()) return L"ByLayer";
    if (colour.isByBlock()) return L"ByBlock";
    if (colour.isByColor()) {
        return std::to_wstring(colour.red()) + L"," + std::to_wstring(colour.green()) + L"," + std::to_wstring(colour.blue());
    }
    const int index = colour.colorIndex();
    if (index >= 1 && index <= 7) return standardNames[index - 1];
    return L"Color " + std::to_wstring(index);
}

}  // namespace

int CAcUiTrueColorComboBox::addEntry(const AcCmColor& color) {
    const int index = AddString(colourText(color).c_str());
    if (index < 0) return index;
    colors_.insert(colors_.begin() + index, color);
    return index;
}

void CAcUiTrueColorComboBox::PreSubclassWindow() {
    ResetContent();
    colors_.clear();
    if (useByLayer_) addEntry(indexColour(256));
    if (useByBlock_) addEntry(indexColour(0));
    for (std::int16_t index = 1; index <= 7; ++index) addEntry(indexColour(index));
}

int CAcUiTrueColorComboBox::AddColorToMRU(const AcCmColor& color) {
    const int existing = FindItemByColor(color);
    return existing >= 0 ? existing : addEntry(color);
}

int CAcUiTrueColorComboBox::FindItemByColor(const AcCmColor& color) const {
    for (std::size_t i = 0; i < colors_.size(); ++i) {
        if (colors_[i] == color) return static_cast<int>(i);
    }
    return -1;
}

AcCmColor CAcUiTrueColorComboBox::GetItemColor(int index) const {
    if (index < 0 || index >= static_cast<int>(colors_.size())) return indexColour(256);
    return colors_[static_cast<std::size_t>(index)];
}

void CAcUiTrueColorComboBox::GetCurrentItemColor(AcCmColor& color) const { color = GetItemColor(GetCurSel()); }

AcCmColor CAcUiTrueColorComboBox::GetCurrentItemColor() const { return GetItemColor(GetCurSel()); }

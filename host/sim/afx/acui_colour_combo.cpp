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

// Each colour entry carries its place in colors_ + 1 as item data, so entries a dialog adds
// as plain strings (data 0) show no colour and leave the others' colours where they are.
int CAcUiTrueColorComboBox::addEntry(const AcCmColor& color) {
    const int index = AddString(colourText(color).c_str());
    if (index < 0) return index;
    colors_.push_back(color);
    SetItemData(index, colors_.size());
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

const AcCmColor* CAcUiTrueColorComboBox::entryColour(int index) const {
    if (index < 0 || index >= GetCount()) return nullptr;
    const DWORD_PTR data = GetItemData(index);
    return data >= 1 && data <= colors_.size() ? &colors_[data - 1] : nullptr;
}

int CAcUiTrueColorComboBox::FindItemByColor(const AcCmColor& color) const {
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        if (const AcCmColor* shown = entryColour(i); shown && *shown == color) return i;
    }
    return -1;
}

AcCmColor CAcUiTrueColorComboBox::GetItemColor(int index) const {
    const AcCmColor* shown = entryColour(index);
    return shown ? *shown : indexColour(256);
}

void CAcUiTrueColorComboBox::GetCurrentItemColor(AcCmColor& color) const { color = GetItemColor(GetCurSel()); }

AcCmColor CAcUiTrueColorComboBox::GetCurrentItemColor() const { return GetItemColor(GetCurSel()); }

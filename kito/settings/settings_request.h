// What "Vexa-mainSettings" reads from its arguments, and the layer list its property pages share.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "acad/adscodes.h"

namespace vexa::kito {

// A colour as the caller gives it, (method index [red green blue] [colourName [bookName]]), and
// as the dialog hands it back.
struct SettingsColour {
    int method = 0;
    int index = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
    std::wstring name;
    std::wstring book;
};

// The colour of a page: not given (nil), the second placeholder (a list beginning with -1), or a colour.
struct PageColour {
    enum class Kind { NotGiven, SecondPlaceholder, Given };
    Kind kind = Kind::NotGiven;
    SettingsColour colour;
};

// One property page's values: nil leaves a value not given.
struct PageValues {
    std::optional<std::wstring> layer;
    PageColour colour;
    std::optional<std::wstring> linetype;
};

struct SettingsTexts {
    std::wstring title;
    std::array<std::wstring, 4> tabNames;
    std::wstring ok;
    std::wstring cancel;
    std::wstring fadingLabel;
    std::wstring opacityLabel;
    std::wstring symbolLabel;
    std::wstring example;                // empty for nil
    std::array<std::wstring, 3> notes;   // empty for nil: the note is hidden
    std::array<std::wstring, 3> propertyLabels;
};

struct SettingsRequest {
    std::wstring notGiven;     // A: offered as "<A>" only when not empty
    std::wstring fixedChoice;  // B
    std::wstring sublayer;     // C
    std::wstring symbolMark;   // D
    std::vector<std::wstring> layerNames;
    std::optional<std::wstring> symbol;
    std::vector<std::wstring> symbols;
    std::array<PageValues, 3> pages;
    SettingsTexts texts;
    int firstTab = 0;
};

// Nothing when the call has another shape: a first, second or page argument that is not a
// list, B or C or a text that is not a string, a name list that is not a list, texts missing.
// Names and symbols that are not strings are skipped.
std::optional<SettingsRequest> readSettingsRequest(const resbuf* args);

// "<" + word + ">".
std::wstring placeholderEntry(const std::wstring& word);

// The list every property page's layer list shows, in this order: the A entry (when A is not
// empty), the B and C entries, one sublayer entry "<" + C + part + ">" for each distinct part
// (case ignored) from D on where a name's first D comes after its first character, then the names in
// the caller's order.
std::vector<std::wstring> sharedLayerEntries(const SettingsRequest& request);

}  // namespace vexa::kito

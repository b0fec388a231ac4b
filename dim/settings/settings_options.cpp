#include "dim/settings/settings_options.h"

#include <cstdint>

#include "frame/lisp_items.h"

namespace vexa::dim {

namespace {

using frame::Element;

bool isNil(const Element& item) { return item.node()->restype == RTNIL; }
bool isPlainList(const Element& item) { return item.isList() && !item.isDottedPair(); }

// A string, or nil for a value not given; anything else refuses the call.
bool readOptionalString(const Element& item, std::wstring& value, bool& given) {
    given = !isNil(item);
    if (!given) return true;
    if (item.string() == nullptr) return false;
    value = item.string();
    return true;
}

std::optional<std::uint8_t> readByte(const Element& item) {
    const std::optional<short> value = item.integer();
    if (!value || *value < 0 || *value > 255) return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

// (method index [red green blue] [colourName bookName] ...): items after these are ignored.
bool readColour(const Element& item, AcCmColor& colour, bool& given) {
    given = !isNil(item);
    if (!given) return true;
    if (!isPlainList(item)) return false;
    const std::vector<Element> values = item.children();
    if (values.size() < 2 || !values[0].integer() || !values[1].integer()) return false;
    const short method = *values[0].integer();
    const short index = *values[1].integer();
    std::size_t next = 2;
    std::optional<std::uint8_t> rgb[3];
    if (next < values.size() && values[next].integer()) {
        if (values.size() < next + 3) return false;
        for (auto& component : rgb) {
            component = readByte(values[next++]);
            if (!component) return false;
        }
    }
    const ACHAR* colourName = nullptr;
    const ACHAR* bookName = nullptr;
    if (next < values.size() && values[next].string()) {
        colourName = values[next++].string();
        if (next >= values.size() || values[next].string() == nullptr) return false;
        bookName = values[next].string();
    }
    switch (method) {
        case 192: colour.setByLayer(); break;
        case 193: colour.setByBlock(); break;
        case 195:
            if (index < 1 || index > 255) return false;
            colour.setColorIndex(index);
            break;
        case 194:
            if (!rgb[0]) return false;
            colour.setRGB(*rgb[0], *rgb[1], *rgb[2]);
            if (colourName != nullptr && *colourName != L'\0') colour.setNames(colourName, bookName);
            break;
        default: break;  // another method leaves the page's colour as it is, and still counts
    }
    return true;
}

// Strings only; nil is an empty list.
bool readNames(const Element& item, std::vector<std::wstring>& names) {
    if (isNil(item)) return true;
    if (!isPlainList(item)) return false;
    for (const Element& child : item.children()) {
        if (child.string() == nullptr) return false;
        names.emplace_back(child.string());
    }
    return true;
}

bool readPage(const Element& item, PageProperties& page) {
    if (!isPlainList(item)) return false;
    const std::vector<Element> values = item.children();
    return values.size() == 4 && readOptionalString(values[0], page.layer, page.layerGiven) &&
           readColour(values[1], page.colour, page.colourGiven) &&
           readOptionalString(values[2], page.linetype, page.linetypeGiven) && readNames(values[3], page.layerNames);
}

void addColour(frame::ListBuilder& list, const PageProperties& page) {
    list.beginList();
    if (!page.colourGiven) {
        for (int i = 0; i < 5; ++i) list.integer(0);
        list.string(L"").string(L"");
        return void(list.endList());
    }
    const AcCmColor& colour = page.colour;
    short method = 194;
    if (colour.isByLayer()) method = 192;
    else if (colour.isByBlock()) method = 193;
    else if (colour.isByACI()) method = 195;
    list.integer(method).integer(colour.colorIndex());
    list.integer(colour.red()).integer(colour.green()).integer(colour.blue());
    list.string(colour.colorName()).string(colour.bookName()).endList();
}

void addPage(frame::ListBuilder& list, const PageProperties& page) {
    list.string(page.layerGiven ? page.layer : L"");
    addColour(list, page);
    list.string(page.linetypeGiven ? page.linetype : L"");
}

}  // namespace

std::optional<SettingsOptions> readSettingsOptions(const resbuf* args) {
    const std::vector<Element> items = frame::elementsOf(args);
    constexpr std::size_t fixed = 3 + settingsTextCount;
    if (items.size() != fixed && items.size() != fixed + 1) return std::nullopt;
    SettingsOptions options;
    for (std::size_t i = 0; i < 3; ++i) {
        if (!readPage(items[i], options.pages[i])) return std::nullopt;
    }
    for (std::size_t i = 3; i < fixed; ++i) {
        if (items[i].string() == nullptr) return std::nullopt;
        options.texts.emplace_back(items[i].string());
    }
    if (items.size() > fixed) {
        const std::optional<short> tab = items[fixed].integer();
        if (!tab || *tab < 0 || *tab > 2) return std::nullopt;
        options.firstTab = *tab;
    }
    return options;
}

frame::ListBuilder settingsResult(const SettingsOptions& options) {
    frame::ListBuilder result;
    result.beginList().string(options.dimensionStyle);
    addPage(result, options.pages[0]);
    result.endList();
    for (std::size_t i = 1; i < 3; ++i) {
        result.beginList();
        addPage(result, options.pages[i]);
        result.endList();
    }
    return result;
}

}  // namespace vexa::dim

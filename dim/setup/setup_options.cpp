#include "dim/setup/setup_options.h"

#include "frame/lisp_items.h"

namespace vexa::dim {

namespace {

// A nested list of strings; nil reads as an empty list.
std::optional<std::vector<std::wstring>> readStrings(const frame::Element& item) {
    std::vector<std::wstring> strings;
    if (item.node()->restype == RTNIL) return strings;
    if (!item.isList() || item.isDottedPair()) return std::nullopt;
    for (const frame::Element& child : item.children()) {
        if (child.string() == nullptr) return std::nullopt;
        strings.emplace_back(child.string());
    }
    return strings;
}

}  // namespace

std::optional<SetupOptions> readSetupOptions(const resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    if (items.size() != setupCaptionCount + 8) return std::nullopt;
    SetupOptions options;
    for (std::size_t i = 0; i < setupCaptionCount; ++i) {
        if (items[i].string() == nullptr) return std::nullopt;
        options.captions.emplace_back(items[i].string());
    }
    const auto type = items[19].integer();
    const auto object = items[20].integer();
    const auto hidden = items[21].integer();
    const auto orthogonal = items[22].integer();
    auto presets = readStrings(items[23]);
    auto entries = readStrings(items[24]);
    const auto argument = items[26].integer();
    if (!type || !object || !hidden || !orthogonal || !presets || !entries || items[25].string() == nullptr ||
        !argument) {
        return std::nullopt;
    }
    if (*type < 0 || *type > 5 || *object < 0 || *object > 2) return std::nullopt;
    options.dimensionType = *type;
    options.objectType = *object;
    options.hiddenChoice = *hidden;
    options.orthogonal = *orthogonal != 0 ? 1 : 0;
    options.chamferPresets = std::move(*presets);
    options.hiddenEntries = std::move(*entries);
    options.styleFunction = items[25].string();
    options.styleArgument = *argument;
    return options;
}

frame::ListBuilder setupResult(const SetupOptions& options) {
    frame::ListBuilder result;
    result.integer(options.dimensionType)
        .integer(options.objectType)
        .integer(options.hiddenChoice)
        .integer(options.orthogonal)
        .string(options.chamferText);
    return result;
}

}  // namespace vexa::dim

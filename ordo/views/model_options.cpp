#include "ordo/views/model_options.h"

#include <algorithm>

#include "frame/lisp_items.h"

namespace vexa::ordo {

std::optional<ModelOptions> readModelOptions(const resbuf* args) {
    if (args == nullptr) return std::nullopt;
    const frame::CodedArguments read = frame::readCodedArguments(args, kModelCaptionSlots);
    ModelOptions options;
    int* const fields[] = {&options.mode, &options.limit, &options.viewsCheck, &options.freeEndpoint,
                           &options.misProjected};
    for (const frame::CodedOption& option : read.options) {
        if (option.code < 0 || option.code >= static_cast<short>(std::size(fields))) continue;
        int& field = *fields[option.code];
        field = option.value.integer().value_or(static_cast<short>(field));
    }
    if (read.captions) std::copy(read.captions->begin(), read.captions->end(), options.captions.begin());
    return options;
}

frame::ListBuilder modelOptionsResult(const ModelOptions& options) {
    frame::ListBuilder result;
    result.integer(static_cast<short>(options.mode)).integer(static_cast<short>(options.viewsCheck));
    result.integer(static_cast<short>(options.freeEndpoint)).integer(static_cast<short>(options.misProjected));
    // The user types the limit, so it may not fit 16 bits.
    result.longInteger(options.limit);
    return result;
}

std::optional<std::size_t> modeDescriptionSlot(int mode) {
    if (mode < kRoughestMode || mode > kFinestMode) return std::nullopt;
    return 11 + static_cast<std::size_t>(mode);
}

std::wstring sliderEndText(std::wstring_view label, std::wstring_view note) {
    return std::wstring(label) + L"\n(" + std::wstring(note) + L")";
}

}  // namespace vexa::ordo

#include "ordo/tools/cylinder_options.h"

#include <algorithm>

#include "frame/lisp_items.h"

namespace vexa::ordo {

std::optional<SeriesOptions> readSeriesOptions(const resbuf* args) {
    if (args == nullptr) return std::nullopt;
    const frame::CodedArguments read = frame::readCodedArguments(args, kSeriesCaptionSlots);
    SeriesOptions options;
    for (const frame::CodedOption& option : read.options) {
        if (option.code == 0) options.series = option.value.integer().value_or(static_cast<short>(options.series));
    }
    if (read.captions) std::copy(read.captions->begin(), read.captions->end(), options.captions.begin());
    return options;
}

std::optional<CylinderOptions> readCylinderOptions(const resbuf* args) {
    if (args == nullptr) return std::nullopt;
    const frame::CodedArguments read = frame::readCodedArguments(args, kCylinderCaptionSlots);
    CylinderOptions options;
    CylinderChoice& choice = options.choice;
    for (const frame::CodedOption& option : read.options) {
        int* field = option.code == 0   ? &choice.series
                     : option.code == 1 ? &choice.bore
                     : option.code == 2 ? &choice.view
                     : option.code == 3 ? &choice.stroke
                                        : nullptr;
        if (field != nullptr) *field = option.value.integer().value_or(static_cast<short>(*field));
    }
    if (read.captions) std::copy(read.captions->begin(), read.captions->end(), options.captions.begin());
    return options;
}

frame::ListBuilder cylinderResult(const CylinderOptions& options) {
    const CylinderChoice& choice = options.choice;
    frame::ListBuilder result;
    result.integer(static_cast<short>(choice.bore))
        .integer(static_cast<short>(choice.view))
        .integer(static_cast<short>(choice.stroke));
    return result;
}

}  // namespace vexa::ordo

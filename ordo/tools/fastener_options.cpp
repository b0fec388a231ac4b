#include "ordo/tools/fastener_options.h"

#include <algorithm>

#include "frame/lisp_items.h"
#include "frame/single_precision.h"

namespace vexa::ordo {

namespace {

// Reads the choice's codes 0 to 2; returns false for a code that isn't one of them.
bool readChoiceOption(const frame::CodedOption& option, FastenerChoice& choice) {
    int* field = option.code == 0   ? &choice.type
                 : option.code == 1 ? &choice.diameter
                 : option.code == 2 ? &choice.view
                                    : nullptr;
    if (field == nullptr) return false;
    *field = option.value.integer().value_or(static_cast<short>(*field));
    return true;
}

void addChoice(frame::ListBuilder& list, const FastenerChoice& choice) {
    list.integer(static_cast<short>(choice.type))
        .integer(static_cast<short>(choice.diameter))
        .integer(static_cast<short>(choice.view));
}

}  // namespace

std::optional<BoltOptions> readBoltOptions(const resbuf* args) {
    if (args == nullptr) return std::nullopt;
    const frame::CodedArguments read = frame::readCodedArguments(args, kBoltCaptionSlots);
    BoltOptions options;
    for (const frame::CodedOption& option : read.options) readChoiceOption(option, options.choice);
    if (read.captions) std::copy(read.captions->begin(), read.captions->end(), options.captions.begin());
    return options;
}

std::optional<DrillOptions> readDrillOptions(const resbuf* args) {
    if (args == nullptr) return std::nullopt;
    const frame::CodedArguments read = frame::readCodedArguments(args, kDrillCaptionSlots);
    DrillOptions options;
    for (const frame::CodedOption& option : read.options) {
        if (readChoiceOption(option, options.choice) || option.code != 3) continue;
        if (const std::optional<double> size = option.value.real()) options.userSize = frame::toSinglePrecision(*size);
    }
    if (read.captions) std::copy(read.captions->begin(), read.captions->end(), options.captions.begin());
    return options;
}

frame::ListBuilder boltResult(const BoltOptions& options) {
    frame::ListBuilder result;
    addChoice(result, options.choice);
    return result;
}

frame::ListBuilder drillResult(const DrillOptions& options) {
    frame::ListBuilder result;
    addChoice(result, options.choice);
    result.real(options.userSize);
    return result;
}

}  // namespace vexa::ordo

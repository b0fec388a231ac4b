#include "ordo/views/views_check_setup.h"

#include <algorithm>

#include "frame/lisp_items.h"
#include "frame/single_precision.h"

namespace vexa::ordo {

std::optional<ViewsCheckSetup> readViewsCheckSetup(const resbuf* args) {
    if (args == nullptr) return std::nullopt;
    const frame::CodedArguments read = frame::readCodedArguments(args, kViewsCheckSetupCaptionSlots);
    ViewsCheckSetup setup;
    for (const frame::CodedOption& option : read.options) {
        switch (option.code) {
        case 1:
            if (const std::optional<double> angle = option.value.real()) setup.angleFuzzy = frame::toSinglePrecision(*angle);
            break;
        case 2:
            if (const ACHAR* position = option.value.string()) setup.positionFuzzy = position;
            break;
        case 3: setup.check1 = option.value.integer().value_or(static_cast<short>(setup.check1)); break;
        case 4: setup.check2 = option.value.integer().value_or(static_cast<short>(setup.check2)); break;
        case 5: setup.check3 = option.value.integer().value_or(static_cast<short>(setup.check3)); break;
        default: break;
        }
    }
    if (read.captions) std::copy(read.captions->begin(), read.captions->end(), setup.captions.begin());
    return setup;
}

frame::ListBuilder viewsCheckSetupResult(const ViewsCheckSetup& setup) {
    frame::ListBuilder result;
    result.real(setup.angleFuzzy).string(setup.positionFuzzy);
    result.integer(static_cast<short>(setup.check1)).integer(static_cast<short>(setup.check2));
    return result;
}

}  // namespace vexa::ordo

#include <vector>

#include "acad/aced.h"
#include "frame/lisp_items.h"
#include "acad/acedstatus.h"
#include "kito/lisp_numbers.h"
#include "kito/progress/progress_functions.h"

namespace vexa::kito {

namespace {

constexpr int kDefaultMaximum = 100;

}  // namespace

int progress(resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    acedRetNil();
    if (items.empty()) {
        acedRestoreStatusBar();
    } else if (const ACHAR* label = items[0].string()) {
        const std::optional<std::int32_t> maximum = items.size() > 1 ? int32Of(items[1]) : std::nullopt;
        acedSetStatusBarProgressMeter(label, 0, maximum.value_or(kDefaultMaximum));
    } else if (const std::optional<std::int32_t> position = int32Of(items[0])) {
        acedSetStatusBarProgressMeterPos(*position);
    }
    return RTNORM;
}

}  // namespace vexa::kito

#include "ordo/tools/radio_rules.h"

namespace vexa::ordo {

namespace {

bool namesDisabledRadio(int index, std::span<const bool> enabled) {
    return index >= 0 && static_cast<std::size_t>(index) < enabled.size() && !enabled[static_cast<std::size_t>(index)];
}

bool isEnabled(int index, std::span<const bool> enabled) {
    return index >= 0 && static_cast<std::size_t>(index) < enabled.size() && enabled[static_cast<std::size_t>(index)];
}

}  // namespace

int nearestEnabled(int index, std::span<const bool> enabled) {
    if (!namesDisabledRadio(index, enabled)) return index;
    for (int distance = 1; static_cast<std::size_t>(distance) < enabled.size(); ++distance) {
        if (isEnabled(index - distance, enabled)) return index - distance;
        if (isEnabled(index + distance, enabled)) return index + distance;
    }
    return index;
}

int firstEnabled(int index, std::span<const bool> enabled) {
    if (!namesDisabledRadio(index, enabled)) return index;
    for (std::size_t i = 0; i < enabled.size(); ++i) {
        if (enabled[i]) return static_cast<int>(i);
    }
    return index;
}

}  // namespace vexa::ordo

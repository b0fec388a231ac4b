// The layer manager's arguments: the main layers, the current main layer and the captions.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "acad/adscodes.h"

namespace vexa::ordo {

constexpr std::size_t kManagerCaptionSlots = 11;

struct ManagerArguments {
    int count = 0;  // the caller's N, shown as given
    std::vector<std::wstring> names;
    std::wstring mainLayer;
    std::optional<std::vector<std::wstring>> captions;
    bool hasLayerItem = false;
};

// (0 (N name…)) names at most N of the strings that follow; (1 main); (2 n) is accepted;
// a list of strings is the caption list; anything else is skipped.
ManagerArguments readManagerArguments(const resbuf* args);

}  // namespace vexa::ordo

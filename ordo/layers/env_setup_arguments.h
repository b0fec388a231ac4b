// What the two layer display dialogs read from their AutoLISP arguments.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "acad/adscodes.h"

namespace vexa::ordo {

constexpr std::size_t kEnvSetCaptions = 6;
constexpr int kMaxDarkness = 90;
constexpr int kMaxTransparency = 100;

// (1 darkness), (2 transparency) and ("LANGTEXT" t0 … t5); other items are skipped. A value
// left out starts at 0; values outside their ranges are brought into them.
struct EnvSetRequest {
    int darkness = 0;
    int transparency = 0;
    std::optional<std::vector<std::wstring>> captions;
};

// Nothing without arguments.
std::optional<EnvSetRequest> readEnvSetRequest(const resbuf* args);

// Window title, fading label, opacity label, OK and Cancel: the first five elements; one that
// is missing or not a string keeps the resource text.
using EnvSet2Texts = std::array<std::optional<std::wstring>, 5>;
EnvSet2Texts readEnvSet2Texts(const resbuf* args);

}  // namespace vexa::ordo

// Arguments and results of "Vexa-dxTools-Bolt" and "Vexa-dxTools-Drill".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "acad/adscodes.h"
#include "frame/resbuf_chain.h"
#include "ordo/tools/fastener_rules.h"

namespace vexa::ordo {

inline constexpr std::size_t kBoltCaptionSlots = 14;
inline constexpr std::size_t kDrillCaptionSlots = 17;

struct BoltOptions {
    FastenerChoice choice;
    std::vector<std::wstring> captions = std::vector<std::wstring>(kBoltCaptionSlots);
};

struct DrillOptions {
    FastenerChoice choice;
    float userSize = 0.0f;  // the callers always pass it; 0 stands in when they don't
    std::vector<std::wstring> captions = std::vector<std::wstring>(kDrillCaptionSlots);
};

// Codes 0 type, 1 diameter, 2 view (integers); the drill's code 3 is the user size.
// Nothing for a call without arguments.
std::optional<BoltOptions> readBoltOptions(const resbuf* args);
std::optional<DrillOptions> readDrillOptions(const resbuf* args);

// The results (type diameter view) and (type diameter view size).
frame::ListBuilder boltResult(const BoltOptions& options);
frame::ListBuilder drillResult(const DrillOptions& options);

}  // namespace vexa::ordo

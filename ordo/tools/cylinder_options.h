// Arguments and results of "Vexa-dxTools-CyldS" and "Vexa-dxTools-Cyld".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "acad/adscodes.h"
#include "frame/resbuf_chain.h"
#include "ordo/tools/cylinder_tables.h"

namespace vexa::ordo {

inline constexpr std::size_t kSeriesCaptionSlots = 8;
inline constexpr std::size_t kCylinderCaptionSlots = 6;

struct SeriesOptions {
    int series = 0;
    std::vector<std::wstring> captions = std::vector<std::wstring>(kSeriesCaptionSlots);
};

// Bore, view and stroke default to 0 when the caller leaves them out; the rules then correct them.
struct CylinderOptions {
    CylinderChoice choice;
    std::vector<std::wstring> captions = std::vector<std::wstring>(kCylinderCaptionSlots);
};

// Code 0 the series; the cylinder dialog adds 1 bore, 2 view, 3 stroke. Nothing without arguments.
std::optional<SeriesOptions> readSeriesOptions(const resbuf* args);
std::optional<CylinderOptions> readCylinderOptions(const resbuf* args);

// The result (bore view stroke): the series is not returned.
frame::ListBuilder cylinderResult(const CylinderOptions& options);

}  // namespace vexa::ordo

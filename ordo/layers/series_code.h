// The series code: the product's answer to "C:Vexa-Layer-SN" and the rule for an acceptable code.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "acad/adscodes.h"

namespace vexa::ordo {

struct SeriesCode {
    short groupLength = 0;
    short serialLength = 0;
    std::optional<std::vector<std::wstring>> captions;
};

constexpr std::size_t kSeriesCodeCaptionSlots = 9;

SeriesCode readSeriesCode(const resbuf* answer);

// A group part needs a serial number after it.
bool seriesCodeRefused(int groupLength, int serialLength);

}  // namespace vexa::ordo

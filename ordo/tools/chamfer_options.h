// Arguments and results of "Vexa-dxDeChamf" and "Vexa-dxDeChamfComm".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "acad/adscodes.h"
#include "frame/resbuf_chain.h"

namespace vexa::ordo {

inline constexpr std::size_t kDeChamfCaptionSlots = 7;
inline constexpr std::size_t kDeChamfCommCaptionSlots = 9;

struct DeChamfOptions {
    double fillet = 0.0;
    double chamfer = 0.0;
    // Empty unless the caption list began with "LANGTEXT".
    std::vector<std::wstring> captions;
};

// A size item (n current size1 … sizen): the text shown and the n texts offered.
struct SizeChoice {
    std::wstring current;
    std::vector<std::wstring> sizes;
};

struct DeChamfCommOptions {
    int mode = 0;  // 0 manual, 1 automatic de-fillet, 2 automatic de-chamfer
    SizeChoice fillet;
    SizeChoice chamfer;
    std::vector<std::wstring> captions;
    // Read back at OK.
    float filletValue = 0.0f;
    float chamferValue = 0.0f;
};

// Nothing for a call without arguments.
std::optional<DeChamfOptions> readDeChamfOptions(const resbuf* args);
std::optional<DeChamfCommOptions> readDeChamfCommOptions(const resbuf* args);

// A value as the number fields first show it ("%g").
std::wstring numberFieldText(double value);

frame::ListBuilder deChamfResult(const DeChamfOptions& options);
frame::ListBuilder deChamfCommResult(const DeChamfCommOptions& options);

}  // namespace vexa::ordo

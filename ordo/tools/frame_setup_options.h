// Arguments and results of "Vexa-dxSetScale" (initial set-up) and "Vexa-FrameAtt-1" (frame set-up).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "acad/adscodes.h"
#include "frame/resbuf_chain.h"

namespace vexa::ordo {

inline constexpr std::size_t kInitScaleCaptionSlots = 11;
inline constexpr std::size_t kFrameSetupCaptionSlots = 29;

struct InitScaleOptions {
    double scale = 1.0;  // the callers always pass it; 1 stands in when they don't
    int groupLength = 2;
    int snLength = 3;
    std::optional<std::wstring> helpFile;
    std::wstring helpTopic;
    std::vector<std::wstring> captions;
    std::wstring zeroScaleTitle;  // caption slots 7 and 8
    std::wstring zeroScaleText;
    std::wstring scaleText;  // read back at OK
};

struct FrameLinkRow {
    std::wstring name;
    std::wstring text;
    std::wstring handle;
};

struct FrameSetupOptions {
    std::vector<FrameLinkRow> rows;
    int fixedRows = 0;
    std::vector<std::wstring> captions;  // exactly 29
    std::vector<std::array<Adesk_Int64, 2>> frameObjects;
    // Read back at OK.
    std::wstring paper;
    std::wstring width;
    std::wstring height;
    std::wstring scale;
};

std::optional<InitScaleOptions> readInitScaleOptions(const resbuf* args);
// (N F name1 text1 handle1 … caption0 … caption28) and (M ename1 … enameM); nothing when a count
// is not an integer or is negative, or promises more strings or names than its list holds.
std::optional<FrameSetupOptions> readFrameSetupOptions(const resbuf* args);

frame::ListBuilder initScaleResult(const InitScaleOptions& options);
frame::ListBuilder frameSetupResult(const FrameSetupOptions& options);

}  // namespace vexa::ordo

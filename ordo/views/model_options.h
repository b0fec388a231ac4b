// Arguments and result of "Vexa-dxAuto3dModel", and the texts its dialog builds from captions.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "acad/adscodes.h"
#include "frame/resbuf_chain.h"

namespace vexa::ordo {

inline constexpr std::size_t kModelCaptionSlots = 28;
inline constexpr int kRoughestMode = 1;
inline constexpr int kFinestMode = 5;

// Caption slots with a role of their own beyond the controls' texts.
inline constexpr std::size_t kHelpTitleSlot = 23;
inline constexpr std::size_t kHelpTextSlot = 25;

struct ModelOptions {
    int mode = 2;
    int limit = 3;  // minutes
    int viewsCheck = 0;
    int freeEndpoint = 1;
    int misProjected = 1;
    std::vector<std::wstring> captions = std::vector<std::wstring>(kModelCaptionSlots);
};

// Codes 0 mode, 1 limit, 2 views check, 3 free endpoints, 4 mis-projected objects.
// Nothing without arguments.
std::optional<ModelOptions> readModelOptions(const resbuf* args);

// The result (mode views-check free-endpoint mis-projected limit): the limit comes last.
frame::ListBuilder modelOptionsResult(const ModelOptions& options);

// The caption slot that describes a mode (slots 12 to 16); none for a mode outside 1 to 5.
std::optional<std::size_t> modeDescriptionSlot(int mode);

// A slider end's label: the label, then its note in parentheses on a second line.
std::wstring sliderEndText(std::wstring_view label, std::wstring_view note);

}  // namespace vexa::ordo

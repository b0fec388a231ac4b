// What "Vexa-DimSetupDlg" is given and hands back, and how its argument list is read.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "acad/adscodes.h"
#include "frame/resbuf_chain.h"

namespace vexa::dim {

struct SetupOptions {
    // Title, groups 112/116/113, radios 150..155 and 140..142, labels 103 and 139, check box
    // 105, button 106, OK and Cancel, in the order of the call.
    std::vector<std::wstring> captions;
    short dimensionType = 0;
    short objectType = 0;
    short hiddenChoice = 0;
    short orthogonal = 0;
    std::vector<std::wstring> chamferPresets;  // the first is the text shown at start
    std::vector<std::wstring> hiddenEntries;
    std::wstring styleFunction;
    short styleArgument = 0;
    std::wstring chamferText;  // set at OK
};

constexpr std::size_t setupCaptionCount = 19;

// Nothing for a list that is not the 27 items in their order and types, or with a dimension
// or object type outside its radio group.
std::optional<SetupOptions> readSetupOptions(const resbuf* args);

// (type object hidden orthogonal "chamfer")
frame::ListBuilder setupResult(const SetupOptions& options);

}  // namespace vexa::dim

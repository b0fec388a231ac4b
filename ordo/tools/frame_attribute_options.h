// Arguments and results of "Vexa-dxFrmAtt" (the fixed title-block form) and "Vexa-FrameAtt-2"
// (the list editor).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "acad/adscodes.h"
#include "frame/resbuf_chain.h"

namespace vexa::ordo {

inline constexpr std::size_t kFrameFieldSlots = 18;
inline constexpr std::size_t kFrmAttCaptionSlots = 22;
inline constexpr std::size_t kFrameListCaptionSlots = 7;

struct FrmAttOptions {
    std::array<std::wstring, kFrameFieldSlots> fields;
    std::vector<std::wstring> captions;
};

struct FrameAttributeRow {
    std::wstring name;
    std::wstring value;
};

struct FrameListOptions {
    int readOnlyRows = 0;
    std::vector<FrameAttributeRow> rows;
    std::vector<std::wstring> captions;  // exactly 7
};

// Items (slot "text") up to the caption list; a slot outside 0 to 17 is dropped, a later item
// for a slot replaces an earlier one.
FrmAttOptions readFrmAttOptions(const resbuf* args);
// (N R name1 value1 … nameN valueN caption0 … caption6); nothing when the counts are not
// integers, are negative, or promise more strings than the list holds.
std::optional<FrameListOptions> readFrameListOptions(const resbuf* args);

frame::ListBuilder frmAttResult(const FrmAttOptions& options);
frame::ListBuilder frameListResult(const FrameListOptions& options);

}  // namespace vexa::ordo

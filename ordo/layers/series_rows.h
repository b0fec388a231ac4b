// A layer series as the new- and edit-layer dialogs hold it: eight rows and their captions.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "frame/lisp_items.h"
#include "frame/resbuf_chain.h"

namespace vexa::ordo {

constexpr int kSeriesRows = 8;
constexpr std::size_t kNewLayerCaptionSlots = 16;
constexpr std::size_t kEditLayerCaptionSlots = 11;

enum class SeriesDialog { NewLayer, EditLayer };

struct SeriesRows {
    std::array<frame::LayerRow, kSeriesRows> rows{};  // rows[0] is row 1, the main layer
    std::optional<std::vector<std::wstring>> captions;
};

// Rows with exists and one caption list; the exists flags start as each dialog expects.
SeriesRows readSeriesRows(const std::vector<frame::Element>& items, SeriesDialog dialog);

// The row whose colour and linetype a row shows at opening.
int shownRowAtOpening(const SeriesRows& series, SeriesDialog dialog, int row);

// The rows sent on OK: ((0 0 proposed) (1 …) … (8 …)) for a new series, without the first item for an edit.
void appendRowsSent(frame::ListBuilder& list, const std::array<frame::LayerRow, kSeriesRows>& rows,
                    SeriesDialog dialog, const std::wstring& proposed);

}  // namespace vexa::ordo

#include "ordo/layers/series_rows.h"

#include "frame/colour_quad.h"

namespace vexa::ordo {

SeriesRows readSeriesRows(const std::vector<frame::Element>& items, SeriesDialog dialog) {
    SeriesRows series;
    for (int row = 0; row < kSeriesRows; ++row) {
        series.rows[row].row = static_cast<short>(row + 1);
        series.rows[row].exists = (row == 0 || (dialog == SeriesDialog::NewLayer && row < 3)) ? 1 : 0;
    }
    const std::size_t slots = dialog == SeriesDialog::NewLayer ? kNewLayerCaptionSlots : kEditLayerCaptionSlots;
    for (const frame::Element& item : items) {
        if (frame::isCaptionList(item)) {
            if (!series.captions) series.captions = frame::readCaptions(item.children(), slots);
            continue;
        }
        const std::optional<frame::LayerRow> row = frame::readLayerRow(item, true);
        if (row && row->row >= 1 && row->row <= kSeriesRows) series.rows[row->row - 1] = *row;
    }
    return series;
}

int shownRowAtOpening(const SeriesRows& series, SeriesDialog dialog, int row) {
    if (row <= 3) return row;
    if (dialog == SeriesDialog::EditLayer && series.rows[row - 1].exists != 0) return row;
    return 3;
}

void appendRowsSent(frame::ListBuilder& list, const std::array<frame::LayerRow, kSeriesRows>& rows,
                    SeriesDialog dialog, const std::wstring& proposed) {
    list.beginList();
    if (dialog == SeriesDialog::NewLayer) list.beginList().integer(0).integer(0).string(proposed).endList();
    for (const frame::LayerRow& row : rows) {
        list.beginList().integer(row.row).string(row.name);
        frame::appendQuad(list, row.colour);
        list.string(row.linetype).endList();
    }
    list.endList();
}

}  // namespace vexa::ordo

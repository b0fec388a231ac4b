#include "ordo/layers/OrdoMnNEW.h"

#include "frame/product_call.h"
#include "ordo/layers/product_commands.h"
#include "frame/resource_scope.h"
#include "ordo/layers/answer_items.h"
#include "ordo/layers/layer_manager_resource.h"

namespace {

constexpr vexa::ordo::SeriesCaptionSlots newLayerSlots{3, 4, 5, 6, 8, 12, 13, 14, 15,
                                                       vexa::ordo::kNewLayerCaptionSlots};

// The "Color" button's colour set is shared by every opening of this dialog in the process.
vexa::ordo::FlashColourSlots newLayerFlashColours{};

}  // namespace

OrdoMnNEW::OrdoMnNEW(vexa::ordo::SeriesRows series)
    : SeriesLayerDialog(IDD_ORDO_NEW, vexa::ordo::SeriesDialog::NewLayer, std::move(series), newLayerSlots,
                        newLayerFlashColours) {}

bool OrdoMnNEW::acceptable() {
    if (!mainName().empty()) return true;
    MessageBox(caption(10).c_str(), caption(9).c_str(), MB_OK | MB_ICONERROR);
    return false;
}

void OrdoMnNEW::sendRows() {
    vexa::frame::ListBuilder rows;
    vexa::ordo::appendRowsSent(rows, rowsOut(), vexa::ordo::SeriesDialog::NewLayer, series().rows[0].name);
    const auto answer = vexa::frame::callProduct(vexa::ordo::product::kMakeLayers, rows);
    if (answer && *answer) setResult(mainName());
}

namespace vexa::ordo {

std::wstring runNewLayerDialog(const resbuf* answer, CWnd* parent) {
    frame::PluginResources resources;
    OrdoMnNEW dialog(readSeriesRows(answerItems(answer), SeriesDialog::NewLayer));
    dialog.m_pParentWnd = parent;
    if (dialog.DoModal() != IDOK) return {};
    return dialog.result();
}

}  // namespace vexa::ordo

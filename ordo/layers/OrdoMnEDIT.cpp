#include "ordo/layers/OrdoMnEDIT.h"

#include <algorithm>

#include "frame/product_call.h"
#include "ordo/layers/product_commands.h"
#include "ordo/layers/answer_items.h"
#include "frame/resource_scope.h"
#include "ordo/layers/layer_manager_resource.h"

namespace {

constexpr vexa::ordo::SeriesCaptionSlots editLayerSlots{1, 2, 3, 4, 6, 7, 8, 9, 10, vexa::ordo::kEditLayerCaptionSlots};

vexa::ordo::FlashColourSlots editLayerFlashColours{};

}  // namespace

OrdoMnEDIT::OrdoMnEDIT(vexa::ordo::SeriesRows series)
    : SeriesLayerDialog(IDD_ORDO_EDIT, vexa::ordo::SeriesDialog::EditLayer, std::move(series), editLayerSlots,
                        editLayerFlashColours) {}

void OrdoMnEDIT::sendRows() {
    vexa::frame::ListBuilder rows;
    vexa::ordo::appendRowsSent(rows, rowsOut(), vexa::ordo::SeriesDialog::EditLayer, {});
    const auto answer = vexa::frame::callProduct(vexa::ordo::product::kChangeLayers, rows);
    if (!answer || !*answer) return;
    // The answer is the main layer's new name, or a list that begins with it.
    const std::vector<vexa::frame::Element> items = vexa::ordo::answerItems(answer->get());
    if (!items.empty() && items.front().string() != nullptr) setResult(items.front().string());
}

namespace vexa::ordo {

std::wstring runEditLayerDialog(const resbuf* answer, CWnd* parent) {
    frame::PluginResources resources;
    OrdoMnEDIT dialog(readSeriesRows(answerItems(answer), SeriesDialog::EditLayer));
    dialog.m_pParentWnd = parent;
    if (dialog.DoModal() != IDOK) return {};
    return dialog.result();
}

int dxOrdoMnEDIT(resbuf* args) {
    acedRetNil();
    const std::vector<frame::Element> items = frame::elementsOf(args);
    // Without a single layer row there is no series to edit.
    const bool anyRow = std::any_of(items.begin(), items.end(),
                                    [](const frame::Element& item) { return frame::readLayerRow(item, true).has_value(); });
    if (!anyRow) return RTNORM;
    frame::PluginResources resources;
    OrdoMnEDIT dialog(readSeriesRows(items, SeriesDialog::EditLayer));
    dialog.DoModal();
    return RTNORM;
}

}  // namespace vexa::ordo

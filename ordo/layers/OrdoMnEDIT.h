// The edit-layer dialog: a series' main layer name, sublayers, colours and linetypes.
#pragma once

#include "ordo/layers/series_layer_dialog.h"

class OrdoMnEDIT : public vexa::ordo::SeriesLayerDialog {
public:
    explicit OrdoMnEDIT(vexa::ordo::SeriesRows series);

protected:
    void sendRows() override;
};

namespace vexa::ordo {
// Shows the dialog for the product's "C:Vexa-Layer-EDIT" answer; the main layer's new name, or empty.
std::wstring runEditLayerDialog(const resbuf* answer, CWnd* parent);
// "Vexa-dxOrdoMnEDIT": the dialog straight from the product's code; the result is always nil.
int dxOrdoMnEDIT(resbuf* args);
}  // namespace vexa::ordo

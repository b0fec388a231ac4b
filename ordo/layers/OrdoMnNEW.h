// The new-layer dialog: a main layer name, its sublayers, and their colours and linetypes.
#pragma once

#include "ordo/layers/series_layer_dialog.h"

class OrdoMnNEW : public vexa::ordo::SeriesLayerDialog {
public:
    explicit OrdoMnNEW(vexa::ordo::SeriesRows series);

protected:
    bool acceptable() override;
    void sendRows() override;
};

namespace vexa::ordo {
// Shows the dialog for the product's "C:Vexa-Layer-NEW" answer; the name made, or empty.
std::wstring runNewLayerDialog(const resbuf* answer, CWnd* parent);
}  // namespace vexa::ordo

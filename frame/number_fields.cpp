#include "frame/number_fields.h"

namespace vexa::frame {

void checkNumberEdit(CEdit& edit, NumberTextField& field) {
    int start = 0;
    int end = 0;
    edit.GetSel(start, end);
    const std::optional<NumberTextUndo> undo = field.change(edit.GetWindowText(), start, end);
    if (!undo) return;
    // Putting the text back reports a change of its own, which the field accepts.
    edit.SetWindowText(undo->text);
    edit.SetSel(undo->start, undo->end);
}

void checkNumberCombo(CComboBox& combo, NumberTextField& field) {
    const DWORD selection = combo.GetEditSel();
    const std::optional<NumberTextUndo> undo =
        field.change(combo.GetWindowText(), LOWORD(selection), HIWORD(selection));
    if (!undo) return;
    combo.SetWindowText(undo->text);
    combo.SetEditSel(undo->start, undo->start);
}

}  // namespace vexa::frame

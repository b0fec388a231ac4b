// The number-text check hooked to a dialog's controls: call it where the control reports a change.
#pragma once

#include "frame/number_text.h"
#include "win/afxwin.h"

namespace vexa::frame {

// At the edit's EN_CHANGE: a rejected change is undone, its selection moved back by one and
// the field scrolled to the caret.
void checkNumberEdit(CEdit& edit, NumberTextField& field);

// At the combo box's CBN_EDITCHANGE: a rejected change is undone and the selection becomes
// empty one place before its former start.
void checkNumberCombo(CComboBox& combo, NumberTextField& field);

}  // namespace vexa::frame

// The row a list view notification newly selects.
#pragma once

#include "win/commctrl.h"

namespace vexa::ordo {

// The row an LVN_ITEMCHANGED from the list with the id selects; -1 for any other notification.
inline int newlySelectedRow(LPARAM notification, UINT_PTR listId) {
    const auto* header = reinterpret_cast<const NMHDR*>(notification);
    if (header->idFrom != listId || header->code != LVN_ITEMCHANGED) return -1;
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(notification);
    return (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED) ? change->iItem : -1;
}

}  // namespace vexa::ordo

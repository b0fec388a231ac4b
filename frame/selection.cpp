#include "frame/selection.h"

#include "acad/acedsel.h"

namespace vexa::frame {

ResbufChain copySelectionFilter(const Element& argument) {
    if (!argument.isList()) return nullptr;
    const resbuf* first = argument.node()->rbnext;
    const resbuf* close = first;
    for (int depth = 0; close != nullptr; close = close->rbnext) {
        if (close->restype == RTLB) ++depth;
        else if (close->restype == RTLE && depth-- == 0) break;
    }
    ListBuilder copy;
    copy.copy(first, close);
    return copy.take();
}

void returnSelection(const ads_name set) {
    ListBuilder names;
    Adesk_Int32 length = 0;
    acedSSLength(set, &length);
    for (Adesk_Int32 i = 0; i < length; ++i) {
        ads_name entity{0, 0};
        if (acedSSName(set, i, entity) == RTNORM) names.name(entity);
    }
    acedSSFree(set);
    names.returnResult();
}

}  // namespace vexa::frame

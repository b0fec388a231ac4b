#include "ordo/layers/series_code.h"

#include "frame/lisp_items.h"
#include "ordo/layers/answer_items.h"

namespace vexa::ordo {

SeriesCode readSeriesCode(const resbuf* answer) {
    SeriesCode code;
    for (const frame::Element& item : answerItems(answer)) {
        if (frame::isCaptionList(item)) {
            if (!code.captions) code.captions = frame::readCaptions(item.children(), kSeriesCodeCaptionSlots);
            continue;
        }
        const std::vector<frame::Element> children = item.children();
        if (children.size() < 2) continue;
        const std::optional<short> tag = children[0].integer();
        const std::optional<short> length = children[1].integer();
        if (!tag || !length) continue;
        if (*tag == 0) code.groupLength = *length;
        if (*tag == 1) code.serialLength = *length;
    }
    return code;
}

bool seriesCodeRefused(int groupLength, int serialLength) { return serialLength == 0 && groupLength >= 1; }

}  // namespace vexa::ordo

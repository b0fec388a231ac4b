#include "ordo/views/marking_colours.h"

#include <algorithm>

#include "frame/colour_quad.h"

namespace vexa::ordo {

std::optional<MarkingColours> readMarkingColours(const resbuf* args) {
    if (args == nullptr) return std::nullopt;
    MarkingColours colours;
    int quadsRead = 0;
    bool captionsRead = false;
    for (const frame::Element& item : frame::elementsOf(args)) {
        if (frame::isCaptionList(item)) {
            if (captionsRead) continue;
            captionsRead = true;
            const std::vector<std::wstring> captions = frame::readCaptions(item.children(), kMarkingCaptionSlots);
            std::copy(captions.begin(), captions.end(), colours.captions.begin());
        } else if (quadsRead < 2 && !item.isDottedPair()) {
            if (const std::optional<frame::ColourQuad> quad = frame::readColourQuad(item)) {
                (quadsRead == 0 ? colours.lacking : colours.redundant) = *quad;
                ++quadsRead;
            }
        }
    }
    return colours;
}

AcCmColor markingColour(const frame::ColourQuad& quad) {
    if (quad.method == kIndexColourMethod) return frame::colourFromQuad(quad);
    return frame::colourFromQuad({kTrueColourMethod, quad.red, quad.green, quad.blue});
}

frame::ListBuilder markingColoursResult(const MarkingColours& colours) {
    frame::ListBuilder result;
    frame::appendQuad(result, colours.lacking);
    frame::appendQuad(result, colours.redundant);
    return result;
}

}  // namespace vexa::ordo

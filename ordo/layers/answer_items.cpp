#include "ordo/layers/answer_items.h"

namespace vexa::ordo {

std::vector<frame::Element> answerItems(const resbuf* answer) {
    std::vector<frame::Element> elements = frame::elementsOf(answer);
    if (elements.size() == 1 && elements.front().isList() && !elements.front().isDottedPair()) {
        return elements.front().children();
    }
    return elements;
}

}  // namespace vexa::ordo

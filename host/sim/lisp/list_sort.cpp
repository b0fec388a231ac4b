#include "lisp/list_sort.h"

#include <algorithm>

namespace vexa::sim::lisp {

void sortWithPredicate(std::vector<ValuePtr>& items, const std::function<bool(const ValuePtr&, const ValuePtr&)>& less) {
    std::vector<ValuePtr> buffer(items.size());
    // Bottom-up: merge runs of width 1, 2, 4, ... between items and buffer.
    for (std::size_t width = 1; width < items.size(); width *= 2) {
        for (std::size_t left = 0; left < items.size(); left += 2 * width) {
            const std::size_t middle = std::min(left + width, items.size());
            const std::size_t right = std::min(left + 2 * width, items.size());
            std::size_t i = left;
            std::size_t j = middle;
            std::size_t out = left;
            while (i < middle && j < right) {
                buffer[out++] = less(items[j], items[i]) ? items[j++] : items[i++];
            }
            while (i < middle) {
                buffer[out++] = items[i++];
            }
            while (j < right) {
                buffer[out++] = items[j++];
            }
        }
        items.swap(buffer);
    }
}

}  // namespace vexa::sim::lisp

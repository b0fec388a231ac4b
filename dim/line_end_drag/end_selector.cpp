#include "dim/line_end_drag/end_selector.h"

namespace vexa::dim {

short swappedSelector(short selector) {
    // -(-32768) does not fit a short; its swap is the largest end-point selector.
    if (selector == -32768) return 32767;
    if (selector < 1) return selector == 0 ? short{1} : static_cast<short>(-selector);
    return static_cast<short>(-selector);
}

}  // namespace vexa::dim

#include "kito/unload_steps.h"

namespace vexa::kito {

// Nothing process-wide exists yet; the keyboard and window modules add their steps here.
void releaseProcessState() {}

}  // namespace vexa::kito

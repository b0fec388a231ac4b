// What VexaKito removes when it unloads: hooks, the input recorder, its windows and watches.
#pragma once

namespace vexa::kito {
void releaseProcessState();
}

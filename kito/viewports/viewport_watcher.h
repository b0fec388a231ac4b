// The process-wide watcher of the host's message loop that makes the viewport under the mouse
// pointer current as soon as the pointer moves into it.
#pragma once

namespace vexa::kito {

// Registers the watcher unless it is; false when the host refuses.
bool startViewportWatch();
// Removes the watcher if it is registered.
void stopViewportWatch();
bool viewportWatchOn();

}  // namespace vexa::kito

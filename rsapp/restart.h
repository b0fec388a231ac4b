// The restart itself: wait for the host's window to go, then start the host again.
#pragma once

#include "rsapp/restart_command.h"

namespace vexa::rsapp {

// Polls once a second (at least once), waits one more second for the closing host to release
// its files, and starts the program in the folder. A start that fails is not reported.
void restartAfterWindowCloses(const RestartCommand& command);

}  // namespace vexa::rsapp

// Takes and dispatches the messages waiting in the thread's queue, so a modeless window paints
// and the host stays responsive while LISP code runs.
#pragma once

namespace vexa::kito {

// A WM_QUIT is put back and ends the pump: the host's own loop must still see its request to quit.
void pumpWaitingMessages();

}  // namespace vexa::kito

// Lets waiting messages through (so a new window paints before the script goes on), keeping a
// quit request in the queue for the loop that owns it.
#pragma once

namespace vexa::setup {

void pumpWaitingMessages();

}  // namespace vexa::setup

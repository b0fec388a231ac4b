// The user file of vexa-cad: one act of the scripted user per line.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace vexa::sim {

class Host;

// Queues every act of the text on the host's user; throws std::runtime_error naming the bad line.
void queueUserScript(Host& host, std::wstring_view text);

}  // namespace vexa::sim

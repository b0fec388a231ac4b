// The scripted user's acts on windows and the message queue, which happen wherever the host
// waits: listing the modeless windows, resizing one, sending it a message, waiting,
// posting WM_QUIT, switching to another program and back, and keys typed ahead.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "sim/user/user_input.h"

namespace vexa::sim {

// User-file acts: "windows", "resize TITLE WIDTH HEIGHT",
// "send TITLE MESSAGE [WPARAM [LPARAM]]", "wait MS", "quit [CODE]", "activate PROGRAM",
// "activate-host", "type-ahead TEXT". TITLE is one word or a quoted text. Nothing for another
// verb; std::invalid_argument for a known verb with bad words.
std::optional<PromptAnswer> parseWindowAct(const std::wstring& verb, const std::wstring& rest);

// Performs the window acts at the front of the queue; called wherever the host looks for input.
// Acts performed by an act (a wait that pumps messages) do not start the next one early.
void performWindowActs(Host& host);
// Performs one window act taken from the queue, under the same rule.
void performWindowAct(Host& host, const PromptAnswer& act);
// Runs another act that pumps the host's messages (a cursor move) under the same rule, so the
// acts queued after it wait until it is done.
void performInTurn(const std::function<void()>& act);

}  // namespace vexa::sim

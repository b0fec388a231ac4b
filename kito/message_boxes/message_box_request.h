// The arguments of "Vexa-msgbox" and the box they ask for: caption, type flags and the
// texts that replace the standard button labels.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "acad/adscodes.h"
#include "frame/lisp_items.h"
#include "win/winuser.h"

namespace vexa::kito {

struct MessageBoxRequest {
    std::wstring text;
    std::wstring caption;
    UINT type = MB_OK;
    // Set when a fourth argument came: the button group then follows the texts.
    bool withButtonTexts = false;
    std::array<std::wstring, 3> buttonTexts;
};

// The message text that both message-box functions take first; null when it is not a string.
const ACHAR* messageTextOf(const std::vector<frame::Element>& items);

// Null when the text or the caption is not as the usage text says.
std::optional<MessageBoxRequest> readMessageBoxRequest(const resbuf* args);

struct MessageBoxPlan {
    UINT type = MB_OK;
    // Empty when the standard labels stay.
    std::array<std::wstring, 3> labels;
    bool relabel() const { return !labels[0].empty(); }
};

MessageBoxPlan planMessageBox(const MessageBoxRequest& request);

// The standard buttons a plan may relabel, in the order they are relabelled.
constexpr int relabelledButtons[] = {IDOK, IDYES, IDNO, IDCANCEL};
// The label a button takes: IDOK and IDYES text 1, IDNO text 2, IDCANCEL text 3; empty for none.
const std::wstring& labelFor(const std::array<std::wstring, 3>& labels, int buttonId);

}  // namespace vexa::kito

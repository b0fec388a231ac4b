// Puts a caller's caption slots on a dialog: slot 0 is always the window title. The dialogs
// follow one of two rules for slots the caller's list does not reach.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "win/afxwin.h"

namespace vexa::frame {

struct CaptionTarget {
    int controlId;
    std::size_t slot;
};

// Every listed control takes its slot's text, a slot the list does not reach blanking it.
void putCaptionsBlankingMissing(CWnd& dialog, const std::vector<std::wstring>& captions,
                                std::initializer_list<CaptionTarget> targets);

// A control id for each caption slot in order; 0 names the window title, -1 a slot not shown.
// A slot the list does not reach, or no list at all, keeps the resource text.
void putCaptionsKeepingResourceTexts(CWnd& dialog, const std::optional<std::vector<std::wstring>>& captions,
                                     std::initializer_list<int> slotControls);

// The text of a slot, or the fallback when the list does not reach it.
std::wstring captionOr(const std::optional<std::vector<std::wstring>>& captions, std::size_t slot,
                       std::wstring fallback);

}  // namespace vexa::frame

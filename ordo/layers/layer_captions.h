// Puts a caption list on a layer dialog: a slot the list does not reach keeps the resource text.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "win/afxwin.h"

namespace vexa::ordo {

// A control id for each caption slot in order; 0 names the window title, -1 a slot not shown.
void putLayerCaptions(CWnd& dialog, const std::optional<std::vector<std::wstring>>& captions,
                      std::initializer_list<int> slotControls);

// The text of a slot, or the fallback when the list does not reach it.
std::wstring captionOr(const std::optional<std::vector<std::wstring>>& captions, std::size_t slot,
                       std::wstring fallback);

}  // namespace vexa::ordo

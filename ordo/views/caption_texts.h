// Puts a caller's caption slots on a dialog: slot 0 is always the window title.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "win/afxwin.h"

namespace vexa::ordo {

struct CaptionTarget {
    int controlId;
    std::size_t slot;
};

// Every listed control takes its slot's text, an empty slot leaving an empty text.
void showCaptions(CWnd& dialog, const std::vector<std::wstring>& captions,
                  std::initializer_list<CaptionTarget> targets);

}  // namespace vexa::ordo

// The keyword and other-input callbacks of the selection functions and the texts they store.
// Each callback ends the prompt with a simulated Enter, so that the host's selection returns
// and the function can report the text.
#pragma once

#include <string>

#include "acad/acedsel.h"

namespace vexa::kito {

// The keyword entered at the last selection prompt of either function.
std::wstring& keywordText();
// Non-keyword text entered at a "Vexa-SSGet" prompt.
std::wstring& otherText();

// Installs the callbacks for the time of one host call and puts the saved ones back.
class SelectionCallbacks {
public:
    explicit SelectionCallbacks(bool withOtherInput);
    ~SelectionCallbacks();
    SelectionCallbacks(const SelectionCallbacks&) = delete;
    SelectionCallbacks& operator=(const SelectionCallbacks&) = delete;

private:
    bool withOtherInput_;
    AcedSSCallbackFn savedKeyword_ = nullptr;
    AcedSSCallbackFn savedOther_ = nullptr;
};

}  // namespace vexa::kito

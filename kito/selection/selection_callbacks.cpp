#include "kito/selection/selection_callbacks.h"

#include "win/keyboard_input.h"

namespace vexa::kito {

namespace {

std::wstring keyword;
std::wstring other;

void pressEnter() {
    keybd_event(static_cast<BYTE>(VK_RETURN), 0, 0, 0);
    Sleep(50);
    keybd_event(static_cast<BYTE>(VK_RETURN), 0, KEYEVENTF_KEYUP, 0);
}

resbuf* keywordEntered(const ACHAR* text) {
    pressEnter();
    keyword = text != nullptr ? text : L"";
    return nullptr;
}

resbuf* otherEntered(const ACHAR* text) {
    pressEnter();
    other = text != nullptr ? text : L"";
    return nullptr;
}

}  // namespace

std::wstring& keywordText() { return keyword; }

std::wstring& otherText() { return other; }

SelectionCallbacks::SelectionCallbacks(bool withOtherInput) : withOtherInput_(withOtherInput) {
    acedSSGetKwordCallbackPtr(&savedKeyword_);
    acedSSSetKwordCallbackPtr(keywordEntered);
    if (!withOtherInput_) return;
    acedSSGetOtherCallbackPtr(&savedOther_);
    acedSSSetOtherCallbackPtr(otherEntered);
}

SelectionCallbacks::~SelectionCallbacks() {
    acedSSSetKwordCallbackPtr(savedKeyword_);
    if (withOtherInput_) acedSSSetOtherCallbackPtr(savedOther_);
}

}  // namespace vexa::kito

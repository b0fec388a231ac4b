#include "rsapp/restart_command.h"

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <utility>

namespace vexa::rsapp {

namespace {

// Left of the first ";" and right of it; without one, nothing and the whole text.
std::pair<std::wstring_view, std::wstring_view> splitAtSemicolon(std::wstring_view text) {
    const auto separator = text.find(L';');
    if (separator == std::wstring_view::npos) return {{}, text};
    return {text.substr(0, separator), text.substr(separator + 1)};
}

HWND windowFromDecimal(std::wstring_view digits) {
    const std::wstring text(digits);
    // Windows' long is 32 bits: a larger number saturates there as wcstol does on Windows.
    const long value = std::clamp<long>(std::wcstol(text.c_str(), nullptr, 10), INT32_MIN, INT32_MAX);
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(value));
}

}  // namespace

RestartCommand parseRestartCommand(std::wstring_view commandLine) {
    const auto [handle, rest] = splitAtSemicolon(commandLine);
    const auto [program, folder] = splitAtSemicolon(rest);
    return {windowFromDecimal(handle), std::wstring(program), std::wstring(folder)};
}

}  // namespace vexa::rsapp

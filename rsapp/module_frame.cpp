#include "rsapp/module_frame.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <utility>

namespace vexa::rsapp {

namespace {

constexpr std::array<std::pair<std::wstring_view, FrameAction>, 5> switches{{
    {L"RegServer", FrameAction::RegisterServer},
    {L"UnregServer", FrameAction::UnregisterServer},
    {L"RegServerPerUser", FrameAction::RegisterServerPerUser},
    {L"UnregServerPerUser", FrameAction::UnregisterServerPerUser},
    {L"Service", FrameAction::InstallService},
}};

bool sameIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

FrameAction frameAction(std::wstring_view commandLine) {
    std::size_t position = 0;
    while (position < commandLine.size()) {
        while (position < commandLine.size() && isBlank(commandLine[position])) ++position;
        std::size_t end = position;
        while (end < commandLine.size() && !isBlank(commandLine[end])) ++end;
        const std::wstring_view token = commandLine.substr(position, end - position);
        if (token.size() > 1 && (token.front() == L'-' || token.front() == L'/')) {
            for (const auto& [name, action] : switches) {
                if (sameIgnoringCase(token.substr(1), name)) return action;
            }
        }
        position = end;
    }
    return FrameAction::Run;
}

int CVexaRsAppModule::WinMain(std::wstring_view processCommandLine) const {
    constexpr int succeeded = 0;
    switch (frameAction(processCommandLine)) {
    case FrameAction::Run:
        // No service is ever installed, so the module runs as a local server, and one with no
        // classes to offer has nothing to serve and ends at once.
        return succeeded;
    case FrameAction::RegisterServer:
    case FrameAction::UnregisterServer:
    case FrameAction::RegisterServerPerUser:
    case FrameAction::UnregisterServerPerUser:
    case FrameAction::InstallService:
        // Nothing in the product registers the program, so there is nothing to write or remove.
        return succeeded;
    }
    return succeeded;
}

}  // namespace vexa::rsapp

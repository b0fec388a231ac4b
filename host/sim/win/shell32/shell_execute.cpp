// ShellExecuteW: recorded and printed, never run.
#include "sim/host.h"
#include "win/shellapi.h"

namespace vexa::sim::win {

namespace {

std::wstring showName(int command) {
    switch (command) {
    case SW_HIDE: return L"SW_HIDE";
    case SW_SHOWNORMAL: return L"SW_SHOWNORMAL";
    case SW_SHOWMINIMIZED: return L"SW_SHOWMINIMIZED";
    case SW_SHOWMAXIMIZED: return L"SW_SHOWMAXIMIZED";
    case SW_SHOWNOACTIVATE: return L"SW_SHOWNOACTIVATE";
    case SW_SHOW: return L"SW_SHOW";
    default: return L"show " + std::to_wstring(command);
    }
}

}  // namespace

std::wstring ShellExecution::describe() const {
    std::wstring out = (verb.empty() ? std::wstring(L"(default)") : verb) + L" \"" + file + L"\"";
    if (!parameters.empty()) out += L" \"" + parameters + L"\"";
    return out + L" " + showName(showCommand);
}

}  // namespace vexa::sim::win

HINSTANCE ShellExecuteW(HWND, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters, const wchar_t*,
                        int showCommand) {
    vexa::sim::Host* host = vexa::sim::Host::current();
    // SE_ERR_FNF (2) for nothing to open, as the shell answers a missing file.
    if (host == nullptr || file == nullptr || *file == L'\0') return reinterpret_cast<HINSTANCE>(std::uintptr_t{2});
    vexa::sim::win::ShellExecution execution{verb ? verb : L"", file, parameters ? parameters : L"", showCommand};
    host->commandLine().print(L"\n[shell: " + execution.describe() + L"]\n");
    host->shell().record(std::move(execution));
    return reinterpret_cast<HINSTANCE>(std::uintptr_t{42});
}

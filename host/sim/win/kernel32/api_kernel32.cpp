// The kernel32 calls, reaching the current host's machine: its handles, processes and modules.
#include <algorithm>
#include <string_view>

#include "sim/host.h"
#include "win/winbase.h"

using vexa::sim::Host;

namespace {

// Windows keeps the last error per thread; the host has one application thread.
thread_local DWORD lastError = ERROR_SUCCESS;

BOOL failWith(DWORD error) {
    lastError = error;
    return FALSE;
}

}  // namespace

BOOL CreateProcessW(LPCWSTR applicationName, LPWSTR, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID,
                    LPCWSTR currentDirectory, LPSTARTUPINFOW startupInfo, LPPROCESS_INFORMATION processInformation) {
    Host* host = Host::current();
    if (host == nullptr || applicationName == nullptr || startupInfo == nullptr || processInformation == nullptr) {
        return failWith(ERROR_INVALID_PARAMETER);
    }
    const DWORD error = host->processes().start(host->drives(), host->kernelHandles(), applicationName,
                                                currentDirectory, host->windows().now(), startupInfo->cb,
                                                *processInformation);
    return error == ERROR_SUCCESS ? TRUE : failWith(error);
}

BOOL CloseHandle(HANDLE object) {
    Host* host = Host::current();
    return host != nullptr && host->kernelHandles().close(object) ? TRUE : failWith(ERROR_INVALID_HANDLE);
}

LPWSTR GetCommandLineW() {
    static wchar_t none[] = L"";
    Host* host = Host::current();
    return host != nullptr ? host->processes().commandLine().data() : none;
}

DWORD GetLastError() { return lastError; }

void SetLastError(DWORD error) { lastError = error; }

HMODULE GetModuleHandleW(LPCWSTR moduleName) {
    Host* host = Host::current();
    // Plug-ins are loaded by their module's name without its extension (".arx" on Windows).
    std::wstring_view stem = moduleName != nullptr ? moduleName : L"";
    stem.remove_prefix(std::min(stem.size(), stem.find_last_of(L"\\/") + 1));
    stem = stem.substr(0, stem.rfind(L'.'));
    const vexa::sim::PluginModule* module = host != nullptr && !stem.empty() ? host->plugin(stem) : nullptr;
    if (module == nullptr) {
        lastError = ERROR_MOD_NOT_FOUND;
        return nullptr;
    }
    return module->instance();
}

// GetModuleFileNameW: a plug-in's module file, named by its path on the simulated machine.
#include <algorithm>
#include <filesystem>

#include "sim/host.h"
#include "win/libloaderapi.h"

DWORD GetModuleFileNameW(HMODULE module, wchar_t* buffer, DWORD size) {
    vexa::sim::Host* host = vexa::sim::Host::current();
    const vexa::sim::PluginModule* plugin = host != nullptr ? host->pluginByInstance(module) : nullptr;
    if (plugin == nullptr || buffer == nullptr || size == 0) return 0;
    const std::wstring path = host->drives().toWindows(std::filesystem::absolute(plugin->path()));
    const std::size_t count = std::min<std::size_t>(path.size(), size - 1);
    std::copy_n(path.begin(), count, buffer);
    buffer[count] = L'\0';
    return static_cast<DWORD>(count);
}

#include "sim/plugin_module.h"

#include <dlfcn.h>

#include <filesystem>
#include <stdexcept>

#include "win/afxdll.h"

namespace vexa::sim {

PluginModule::PluginModule(const std::string& path) : path_(path) {
    // Local binding keeps each plug-in's frame symbols its own, as separate DLLs are.
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) throw std::runtime_error(std::string("cannot load ") + path + ": " + dlerror());
    entry_ = reinterpret_cast<EntryPoint>(dlsym(handle_, "acrxEntryPoint"));
    dllMain_ = reinterpret_cast<DllEntry>(dlsym(handle_, "DllMain"));
    apiVersion_ = reinterpret_cast<ApiVersion>(dlsym(handle_, "acrxGetApiVersion"));
    if (entry_ == nullptr || dllMain_ == nullptr || apiVersion_ == nullptr) {
        dlclose(handle_);
        throw std::runtime_error(path + " is not a plug-in: acrxEntryPoint or acrxGetApiVersion missing");
    }
    const auto* data = static_cast<const unsigned char*>(dlsym(handle_, "vexaResourceData"));
    const auto* size = static_cast<const std::size_t*>(dlsym(handle_, "vexaResourceSize"));
    if (data != nullptr && size != nullptr) resources_ = {data, *size};
    name_ = std::filesystem::path(path).stem().wstring();
}

PluginModule::~PluginModule() { dlclose(handle_); }

void PluginModule::attach() const { dllMain_(instance(), DLL_PROCESS_ATTACH, nullptr); }

void PluginModule::detach() const { dllMain_(instance(), DLL_PROCESS_DETACH, nullptr); }

}  // namespace vexa::sim

#include "sim/module_services.h"

#include "sim/system_variables.h"

namespace vexa::sim {

ModuleServices::ModuleServices() {
    serviceOfModule_[L"ASDKHLRAPI17.DBX"] = L"ASDK_HLR_API_SERVICES";
}

bool ModuleServices::load(std::wstring_view moduleName) {
    const std::wstring key = upperCase(moduleName);
    if (!serviceOfModule_.contains(key)) return false;
    ++loadCounts_[key];
    return true;
}

bool ModuleServices::unload(std::wstring_view moduleName) {
    auto it = loadCounts_.find(upperCase(moduleName));
    if (it == loadCounts_.end() || it->second == 0) return false;
    --it->second;
    return true;
}

bool ModuleServices::isServiceRegistered(std::wstring_view serviceName) const {
    for (const auto& [module, service] : serviceOfModule_) {
        if (service == upperCase(serviceName) && loadCount(module) > 0) return true;
    }
    return false;
}

int ModuleServices::loadCount(std::wstring_view moduleName) const {
    auto it = loadCounts_.find(upperCase(moduleName));
    return it == loadCounts_.end() ? 0 : it->second;
}

}  // namespace vexa::sim

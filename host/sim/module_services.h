// Host modules that plug-ins load by name (acrxLoadModule) and the services they register.
#pragma once

#include <map>
#include <set>
#include <string>

namespace vexa::sim {

class ModuleServices {
public:
    ModuleServices();
    bool load(std::wstring_view moduleName);
    bool unload(std::wstring_view moduleName);
    bool isServiceRegistered(std::wstring_view serviceName) const;
    int loadCount(std::wstring_view moduleName) const;

private:
    std::map<std::wstring, std::wstring> serviceOfModule_;
    std::map<std::wstring, int> loadCounts_;
};

}  // namespace vexa::sim

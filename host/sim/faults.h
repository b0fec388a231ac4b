// Host services that a test or a user file makes fail, so every failure path of a plug-in can
// be driven: a service is named as the API call that refuses ("acedInvoke", "appendAcDbEntity").
#pragma once

#include <map>
#include <string>
#include <vector>

namespace vexa::sim {

class Faults {
public:
    // The service's nth call from now fails (1: the next one); one armed failure per service.
    void arm(std::wstring service, int nth = 1);
    // Counts one call of the service; true when this call is the one to fail.
    bool failsNow(const std::wstring& service);
    // Failures armed and not reached, as "service (call n)", for the audit at exit.
    std::vector<std::wstring> pending() const;
    void clear() { countdown_.clear(); }

private:
    std::map<std::wstring, int> countdown_;
};

}  // namespace vexa::sim

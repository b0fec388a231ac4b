#include "sim/run_audit.h"

#include "sim/host.h"

namespace vexa::sim {

void auditRunEnd(Host& host) {
    UserInput& user = host.user();
    if (!user.empty()) {
        host.audit().record(std::to_wstring(user.size()) + L" user act(s) were left at the end of the run, the first \"" +
                            user.describeNext() + L"\"");
        user.clear();
    }
    for (const std::wstring& armed : host.faults().pending()) {
        host.audit().record(L"the failure armed for " + armed + L" was never reached");
    }
    host.faults().clear();
    // A file left open is closed here, and is a fault: the script forgot its (close ...).
    for (const std::wstring& name : host.openFiles().closeAll()) {
        host.audit().record(L"the file \"" + name + L"\" was left open at the end of the run");
    }
}

}  // namespace vexa::sim

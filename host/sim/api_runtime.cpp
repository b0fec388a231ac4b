// The host runtime's application services: linker, modules, command stack, document manager.
#include "acad/acdocman.h"
#include "acad/acedcmd.h"
#include "acad/rxapp.h"
#include "sim/fault_points.h"
#include "sim/host.h"
#include "win/afxdll.h"

using vexa::sim::Host;

namespace {

class DynamicLinker : public AcRxDynamicLinker {
public:
    bool unlockApplication(void* appId) const override { return mark(appId, &vexa::sim::PluginModule::unlocked); }
    bool registerAppMDIAware(void* appId) const override { return mark(appId, &vexa::sim::PluginModule::mdiAware); }

private:
    static bool mark(void* appId, bool vexa::sim::PluginModule::*flag) {
        Host* host = Host::current();
        auto* module = host ? host->pluginByInstance(static_cast<HINSTANCE>(appId)) : nullptr;
        if (module == nullptr) return false;
        module->*flag = true;
        return true;
    }
};

}  // namespace

AcRxDynamicLinker* acrxDynamicLinker() {
    static DynamicLinker linker;
    return Host::current() ? &linker : nullptr;
}

void* acrxCurrentAppId() {
    Host* host = Host::current();
    return host && host->messageTarget() ? host->messageTarget()->instance() : nullptr;
}

bool acrxLoadModule(const ACHAR* moduleName, bool, bool) {
    Host* host = Host::current();
    if (vexa::sim::serviceFails(L"acrxLoadModule")) return false;
    return host && moduleName && host->services().load(moduleName);
}

bool acrxUnloadModule(const ACHAR* moduleName, bool) {
    Host* host = Host::current();
    return host && moduleName && host->services().unload(moduleName);
}

bool acrxServiceIsRegistered(const ACHAR* serviceName) {
    Host* host = Host::current();
    return host && serviceName && host->services().isServiceRegistered(serviceName);
}

AcEdCommandStack* acedRegCmds() {
    Host* host = Host::current();
    return host ? &host->commands() : nullptr;
}

AcApDocManager* acDocManagerPtr() {
    Host* host = Host::current();
    return host ? &host->documents() : nullptr;
}

AcApDocument* curDoc() {
    Host* host = Host::current();
    return host ? host->documents().current() : nullptr;
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module) {
    state.hModule = module;
    state.hResource = module;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) { state.bInitialized = FALSE; }

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state) : module_(state.hModule) {}
CDynLinkLibrary::~CDynLinkLibrary() = default;

void InitAcUiDLL() {}

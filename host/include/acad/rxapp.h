// Application messages, module loading and host services of the host's runtime.
#pragma once

#include "acad/adscodes.h"
#include "win/handles.h"

namespace AcRx {
enum AppMsgCode {
    kNullMsg = 0, kInitAppMsg = 1, kUnloadAppMsg = 2, kLoadDwgMsg = 3, kUnloadDwgMsg = 4,
    kInvkSubrMsg = 5, kCfgMsg = 6, kEndMsg = 7, kQuitMsg = 8, kSaveMsg = 9,
    kDependencyMsg = 10, kNoDependencyMsg = 11, kOleUnloadAppMsg = 12, kPreQuitMsg = 13,
    kInitDialogMsg = 14, kEndDialogMsg = 15, kSuspendMsg = 16,
};
enum AppRetCode { kRetOK = 0, kRetError = 3 };
}  // namespace AcRx

// The host's dynamic linker: unlocking and MDI registration of an application.
class AcRxDynamicLinker {
public:
    virtual ~AcRxDynamicLinker() = default;
    virtual bool unlockApplication(void* appId) const = 0;
    virtual bool registerAppMDIAware(void* appId) const = 0;
};
AcRxDynamicLinker* acrxDynamicLinker();

bool acrxLoadModule(const ACHAR* moduleName, bool printit, bool asCmd = false);
bool acrxUnloadModule(const ACHAR* moduleName, bool asCmd = false);
bool acrxServiceIsRegistered(const ACHAR* serviceName);

// The application currently receiving a message; the id plug-ins pass to the linker.
void* acrxCurrentAppId();

constexpr int kVexaApiVersion = 0x18;

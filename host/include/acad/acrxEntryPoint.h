// The SDK's application classes: message handlers a plug-in's application object overrides.
#pragma once

#include "acad/rxapp.h"

class AcRxDbxApp {
public:
    virtual ~AcRxDbxApp() = default;
    virtual AcRx::AppRetCode On_kInitAppMsg(void*) {
        if (AcRxDynamicLinker* linker = acrxDynamicLinker()) {
            if (unlocked_) linker->unlockApplication(acrxCurrentAppId());
            if (mdiAware_) linker->registerAppMDIAware(acrxCurrentAppId());
        }
        RegisterServerComponents();
        return AcRx::kRetOK;
    }
    virtual AcRx::AppRetCode On_kUnloadAppMsg(void*) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kLoadDwgMsg(void*) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kUnloadDwgMsg(void*) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kInvkSubrMsg(void*) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kCfgMsg(void*) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kEndMsg(void*) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kQuitMsg(void*) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kSaveMsg(void*) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kDependencyMsg(void*) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kNoDependencyMsg(void*) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kOleUnloadAppMsg(void*) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kPreQuitMsg(void*) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kInitDialogMsg(void*) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kEndDialogMsg(void*) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kSuspendMsg(void*) { return AcRx::kRetOK; }
    virtual void RegisterServerComponents() {}

protected:
    AcRxDbxApp(bool unlocked, bool mdiAware) : unlocked_(unlocked), mdiAware_(mdiAware) {}

private:
    bool unlocked_;
    bool mdiAware_;
};

class AcRxArxApp : public AcRxDbxApp {
protected:
    AcRxArxApp() : AcRxDbxApp(true, true) {}
};

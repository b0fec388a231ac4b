// The application object every plug-in derives from: message dispatch, function
// registration and the command map.
#pragma once

#include "acad/rxapp.h"
#include "frame/plugin_tables.h"

class AcRxDbxApp {
public:
    virtual ~AcRxDbxApp() = default;
    virtual AcRx::AppRetCode On_kInitAppMsg(void* packet);
    virtual AcRx::AppRetCode On_kUnloadAppMsg(void* packet);
    virtual AcRx::AppRetCode On_kLoadDwgMsg(void* packet);
    virtual AcRx::AppRetCode On_kUnloadDwgMsg(void* packet);
    virtual AcRx::AppRetCode On_kInvkSubrMsg(void* packet);
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

    AcRx::AppRetCode dispatch(AcRx::AppMsgCode message, void* packet);

    HINSTANCE moduleInstance() const { return moduleInstance_; }
    void setModuleInstance(HINSTANCE instance) { moduleInstance_ = instance; }

protected:
    AcRxDbxApp(bool unlocked, bool mdiAware) : unlocked_(unlocked), mdiAware_(mdiAware) {}

private:
    HINSTANCE moduleInstance_ = nullptr;
    bool unlocked_;
    bool mdiAware_;
};

class AcRxArxApp : public AcRxDbxApp {
public:
    AcRx::AppRetCode On_kInitAppMsg(void* packet) override;
    AcRx::AppRetCode On_kUnloadAppMsg(void* packet) override;
    AcRx::AppRetCode On_kLoadDwgMsg(void* packet) override;
    AcRx::AppRetCode On_kInvkSubrMsg(void* packet) override;

    const vexa::frame::PluginTables& tables() const { return tables_; }

protected:
    explicit AcRxArxApp(const vexa::frame::PluginTables& tables)
        : AcRxDbxApp(true, true), tables_(tables) {}

private:
    vexa::frame::PluginTables tables_;
};

namespace vexa::frame {
// Each plug-in defines its one application object and returns it here.
AcRxArxApp& theApp();
}  // namespace vexa::frame

// The base of every plug-in's application object: message dispatch, function registration
// and the command map, built from the tables the plug-in declares.
#pragma once

#include "acad/acrxEntryPoint.h"
#include "frame/plugin_tables.h"

namespace vexa::frame {

class PluginApp : public AcRxArxApp {
public:
    AcRx::AppRetCode On_kInitAppMsg(void* packet) override;
    AcRx::AppRetCode On_kUnloadAppMsg(void* packet) override;
    AcRx::AppRetCode On_kLoadDwgMsg(void* packet) override;
    AcRx::AppRetCode On_kInvkSubrMsg(void* packet) override;

    AcRx::AppRetCode dispatch(AcRx::AppMsgCode message, void* packet);

    const PluginTables& tables() const { return tables_; }
    HINSTANCE moduleInstance() const { return moduleInstance_; }
    void setModuleInstance(HINSTANCE instance) { moduleInstance_ = instance; }

protected:
    explicit PluginApp(const PluginTables& tables) : tables_(tables) {}

private:
    HINSTANCE moduleInstance_ = nullptr;
    PluginTables tables_;
};

// Each plug-in defines its one application object and returns it here.
PluginApp& theApp();

}  // namespace vexa::frame

// VexaKito: the AutoLISP support library.
#include "frame/plugin_app.h"
#include "kito/function_table.h"
#include "kito/unload_steps.h"

class CKitoApp : public vexa::frame::PluginApp {
public:
    CKitoApp() : vexa::frame::PluginApp({vexa::kito::functionTable(), {}, L"Received nonexistent function code."}) {}

    AcRx::AppRetCode On_kUnloadAppMsg(void* packet) override {
        const AcRx::AppRetCode result = vexa::frame::PluginApp::On_kUnloadAppMsg(packet);
        vexa::kito::releaseProcessState();
        return result;
    }
};

namespace {
CKitoApp theKitoApp;
}

vexa::frame::PluginApp& vexa::frame::theApp() { return theKitoApp; }

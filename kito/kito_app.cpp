// VexaKito: the AutoLISP support library.
#include "frame/arx_app.h"
#include "kito/function_table.h"
#include "kito/unload_steps.h"

class CKitoApp : public AcRxArxApp {
public:
    CKitoApp() : AcRxArxApp({vexa::kito::functionTable(), {}, L"Received nonexistent function code."}) {}

    AcRx::AppRetCode On_kUnloadAppMsg(void* packet) override {
        const AcRx::AppRetCode result = AcRxArxApp::On_kUnloadAppMsg(packet);
        vexa::kito::releaseProcessState();
        return result;
    }
};

namespace {
CKitoApp theKitoApp;
}

AcRxArxApp& vexa::frame::theApp() { return theKitoApp; }

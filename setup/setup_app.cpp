// VexaSetup: the dialogs of the product's installation script.
#include "frame/arx_app.h"
#include "setup/progress_window.h"
#include "setup/setup_functions.h"

namespace {

constexpr vexa::frame::LispFunction setupFunctions[] = {
    {L"Vexa-InstallDlg", vexa::setup::installDialog},
    {L"Vexa-ProgressDlg", vexa::setup::progressDialog},
};

class CVexaSetupApp : public AcRxArxApp {
public:
    CVexaSetupApp() : AcRxArxApp({setupFunctions, {}, L"Received nonexistent function code."}) {}

    // A progress window the script left open goes with the plug-in.
    AcRx::AppRetCode On_kUnloadAppMsg(void* packet) override {
        const AcRx::AppRetCode result = AcRxArxApp::On_kUnloadAppMsg(packet);
        vexa::setup::closeProgress();
        return result;
    }
};

CVexaSetupApp theSetupApp;

}  // namespace

AcRxArxApp& vexa::frame::theApp() { return theSetupApp; }

// VexaSetup: the dialogs of the product's installation script.
#include "frame/plugin_app.h"
#include "setup/progress_window.h"
#include "setup/setup_functions.h"

namespace {

constexpr vexa::frame::LispFunction setupFunctions[] = {
    {L"Vexa-InstallDlg", vexa::setup::installDialog},
    {L"Vexa-ProgressDlg", vexa::setup::progressDialog},
};

class CVexaSetupApp : public vexa::frame::PluginApp {
public:
    CVexaSetupApp() : vexa::frame::PluginApp({setupFunctions, {}, L"Received nonexistent function code."}) {}

    // A progress window the script left open goes with the plug-in.
    AcRx::AppRetCode On_kUnloadAppMsg(void* packet) override {
        const AcRx::AppRetCode result = vexa::frame::PluginApp::On_kUnloadAppMsg(packet);
        vexa::setup::closeProgress();
        return result;
    }
};

CVexaSetupApp theSetupApp;

}  // namespace

vexa::frame::PluginApp& vexa::frame::theApp() { return theSetupApp; }

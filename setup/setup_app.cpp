// VexaSetup: the dialogs of the product's installation script.
#include "frame/plugin_app.h"

namespace {

using vexa::frame::answerNil;

constexpr vexa::frame::LispFunction setupFunctions[] = {
    {L"Vexa-InstallDlg", answerNil},
    {L"Vexa-ProgressDlg", answerNil},
};

class CVexaSetupApp : public vexa::frame::PluginApp {
public:
    CVexaSetupApp() : vexa::frame::PluginApp({setupFunctions, {}, L"Received nonexistent function code."}) {}
};

CVexaSetupApp theSetupApp;

}  // namespace

vexa::frame::PluginApp& vexa::frame::theApp() { return theSetupApp; }

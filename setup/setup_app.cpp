// VexaSetup: the dialogs of the product's installation script.
#include "frame/arx_app.h"

namespace {

using vexa::frame::answerNil;

constexpr vexa::frame::LispFunction setupFunctions[] = {
    {L"Vexa-InstallDlg", answerNil},
    {L"Vexa-ProgressDlg", answerNil},
};

class CVexaSetupApp : public AcRxArxApp {
public:
    CVexaSetupApp() : AcRxArxApp({setupFunctions, {}, L"Received nonexistent function code."}) {}
};

CVexaSetupApp theSetupApp;

}  // namespace

AcRxArxApp& vexa::frame::theApp() { return theSetupApp; }

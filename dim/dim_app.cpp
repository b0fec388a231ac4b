// VexaDim: the dimensioning aids.
#include "frame/arx_app.h"

namespace {

using vexa::frame::answerNil;

constexpr vexa::frame::LispFunction dimFunctions[] = {
    {L"Vexa-DimSetupDlg", answerNil},
    {L"Vexa-DimSettingsDlg", answerNil},
    {L"Vexa-dynSymEnt", answerNil},
    {L"Vexa-adjDimTxt", answerNil},
};

class CDimApp : public AcRxArxApp {
public:
    CDimApp() : AcRxArxApp({dimFunctions, {}, L"Received nonexistent function code."}) {}
};

CDimApp theDimApp;

}  // namespace

AcRxArxApp& vexa::frame::theApp() { return theDimApp; }

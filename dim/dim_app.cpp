// VexaDim: the dimensioning aids.
#include "dim/dim_functions.h"
#include "frame/plugin_app.h"

namespace {

using vexa::frame::answerNil;

constexpr vexa::frame::LispFunction dimFunctions[] = {
    {L"Vexa-DimSetupDlg", vexa::dim::dimSetupDlg},
    {L"Vexa-DimSettingsDlg", vexa::dim::dimSettingsDlg},
    {L"Vexa-dynSymEnt", answerNil},
    {L"Vexa-adjDimTxt", answerNil},
};

class CDimApp : public vexa::frame::PluginApp {
public:
    CDimApp() : vexa::frame::PluginApp({dimFunctions, {}, L"Received nonexistent function code."}) {}
};

CDimApp theDimApp;

}  // namespace

vexa::frame::PluginApp& vexa::frame::theApp() { return theDimApp; }

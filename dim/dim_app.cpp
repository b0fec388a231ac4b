// VexaDim: the dimensioning aids.
#include "dim/dim_functions.h"
#include "frame/plugin_app.h"

namespace {

constexpr vexa::frame::LispFunction dimFunctions[] = {
    {L"Vexa-DimSetupDlg", vexa::dim::dimSetupDlg},
    {L"Vexa-DimSettingsDlg", vexa::dim::dimSettingsDlg},
    {L"Vexa-dynSymEnt", vexa::dim::dynSymEnt},
    {L"Vexa-adjDimTxt", vexa::dim::adjDimTxt},
};

class CDimApp : public vexa::frame::PluginApp {
public:
    CDimApp() : vexa::frame::PluginApp({dimFunctions, {}, L"Received nonexistent function code."}) {}
};

CDimApp theDimApp;

}  // namespace

vexa::frame::PluginApp& vexa::frame::theApp() { return theDimApp; }

// Vexa3D: views from a solid through the host's hidden-line removal.
#include "frame/plugin_app.h"
#include "solid3d/point_2d_to_3d.h"

namespace {

using vexa::frame::answerNil;

constexpr vexa::frame::LispFunction solidFunctions[] = {
    {L"Vexa-Hlr", answerNil},
    {L"Vexa-ViewsDlg", answerNil},
};

const vexa::frame::CommandEntry solidCommands[] = {
    {L"VexaMy3D", L"_Vexa_2DptTo3Dpt", L"Vexa_2DptTo3Dpt", ACRX_CMD_TRANSPARENT, &vexa::solid3d::point2dTo3d},
};

constexpr const ACHAR* hlrModule = L"AsdkHlrApi17.dbx";

class CMy3DApp : public vexa::frame::PluginApp {
public:
    CMy3DApp() : vexa::frame::PluginApp({solidFunctions, solidCommands, L"Received nonexistent function code."}) {}

    AcRx::AppRetCode On_kInitAppMsg(void* packet) override {
        const AcRx::AppRetCode result = vexa::frame::PluginApp::On_kInitAppMsg(packet);
        if (!acrxServiceIsRegistered(L"ASDK_HLR_API_SERVICES")) acrxLoadModule(hlrModule, false, true);
        acrxLoadModule(hlrModule, false);
        return result;
    }

    AcRx::AppRetCode On_kUnloadAppMsg(void* packet) override {
        const AcRx::AppRetCode result = vexa::frame::PluginApp::On_kUnloadAppMsg(packet);
        acrxUnloadModule(hlrModule, false);
        return result;
    }
};

CMy3DApp theMy3DApp;

}  // namespace

vexa::frame::PluginApp& vexa::frame::theApp() { return theMy3DApp; }

#include "ordo/ordo_app.h"

#include "ordo/activate_dwg.h"
#include "ordo/function_table.h"
#include "ordo/tools/pick_selection.h"

namespace {

const vexa::frame::CommandEntry ordoCommands[] = {
    {L"VexaOrdo", L"_VexaActivateDWG", L"VexaActivateDWG", ACRX_CMD_TRANSPARENT, &vexa::ordo::activateDwg},
};

COrdoApp theOrdoApp;

}  // namespace

COrdoApp::COrdoApp()
    : vexa::frame::PluginApp({vexa::ordo::functionTable(), ordoCommands, L"Received non-existent function code."}) {}

AcRx::AppRetCode COrdoApp::On_kUnloadAppMsg(void* packet) {
    const AcRx::AppRetCode result = vexa::frame::PluginApp::On_kUnloadAppMsg(packet);
    // An empty call switches a monitor off and does nothing when it is not installed.
    const auto functions = vexa::ordo::functionTable();
    functions[vexa::ordo::kSelLayToolTip].handler(nullptr);
    functions[vexa::ordo::kSwLayBand].handler(nullptr);
    vexa::ordo::removeSelectionWatch();
    return result;
}

vexa::frame::PluginApp& vexa::frame::theApp() { return theOrdoApp; }

// The module's exports: the DLL entry, the host's application entry and the API version.
#include <memory>

#include "acad/rxapp.h"
#include "frame/plugin_app.h"
#include "frame/module_export.h"
#include "win/afxdll.h"

namespace {
AFX_EXTENSION_MODULE extensionModule;
std::unique_ptr<CDynLinkLibrary> dynLinkLibrary;
}  // namespace

VEXA_EXPORT BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        vexa::frame::theApp().setModuleInstance(instance);
        if (!extensionModule.bInitialized && AfxInitExtensionModule(extensionModule, instance)) {
            dynLinkLibrary = std::make_unique<CDynLinkLibrary>(extensionModule);
        }
        InitAcUiDLL();
    } else if (reason == DLL_PROCESS_DETACH && extensionModule.bInitialized) {
        dynLinkLibrary.reset();
        AfxTermExtensionModule(extensionModule);
        extensionModule.bInitialized = FALSE;
    }
    return TRUE;
}

VEXA_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* packet) {
    return vexa::frame::theApp().dispatch(message, packet);
}

VEXA_EXPORT int acrxGetApiVersion() { return kVexaApiVersion; }

#include "frame/plugin_app.h"

#include "acad/aced.h"

namespace vexa::frame {

AcRx::AppRetCode PluginApp::dispatch(AcRx::AppMsgCode message, void* packet) {
    using Handler = AcRx::AppRetCode (AcRxDbxApp::*)(void*);
    static constexpr Handler handlers[] = {
        &AcRxDbxApp::On_kInitAppMsg,     &AcRxDbxApp::On_kUnloadAppMsg,
        &AcRxDbxApp::On_kLoadDwgMsg,     &AcRxDbxApp::On_kUnloadDwgMsg,
        &AcRxDbxApp::On_kInvkSubrMsg,    &AcRxDbxApp::On_kCfgMsg,
        &AcRxDbxApp::On_kEndMsg,         &AcRxDbxApp::On_kQuitMsg,
        &AcRxDbxApp::On_kSaveMsg,        &AcRxDbxApp::On_kDependencyMsg,
        &AcRxDbxApp::On_kNoDependencyMsg, &AcRxDbxApp::On_kOleUnloadAppMsg,
        &AcRxDbxApp::On_kPreQuitMsg,     &AcRxDbxApp::On_kInitDialogMsg,
        &AcRxDbxApp::On_kEndDialogMsg,
    };
    const int number = static_cast<int>(message);
    if (number < 1 || number > static_cast<int>(std::size(handlers))) return AcRx::kRetOK;
    return (this->*handlers[number - 1])(packet);
}

AcRx::AppRetCode PluginApp::On_kInitAppMsg(void* packet) {
    const AcRx::AppRetCode result = AcRxArxApp::On_kInitAppMsg(packet);
    AcEdCommandStack* stack = acedRegCmds();
    if (stack == nullptr) return result;
    for (const CommandEntry& command : tables_.commands) {
        const bool session = (command.flags & ACRX_CMD_SESSION) != 0;
        stack->addCommand(command.group, command.globalName, command.localName, command.flags,
                          command.handler, nullptr, -1, session ? nullptr : moduleInstance());
    }
    return result;
}

AcRx::AppRetCode PluginApp::On_kUnloadAppMsg(void* packet) {
    if (AcEdCommandStack* stack = acedRegCmds()) {
        for (const CommandEntry& command : tables_.commands) stack->removeGroup(command.group);
    }
    return AcRxArxApp::On_kUnloadAppMsg(packet);
}

AcRx::AppRetCode PluginApp::On_kLoadDwgMsg(void* packet) {
    const AcRx::AppRetCode result = AcRxArxApp::On_kLoadDwgMsg(packet);
    short code = 0;
    for (const LispFunction& function : tables_.functions) acedDefun(function.name, code++);
    return result;
}

AcRx::AppRetCode PluginApp::On_kInvkSubrMsg(void* packet) {
    AcRxArxApp::On_kInvkSubrMsg(packet);
    const int code = acedGetFunCode();
    if (code < 0 || code >= static_cast<int>(tables_.functions.size())) {
        acdbFail(tables_.badCodeMessage);
        return AcRx::kRetOK;
    }
    tables_.functions[static_cast<std::size_t>(code)].handler(acedGetArgs());
    return AcRx::kRetOK;
}

int answerNil(resbuf*) { return RTNORM; }

}  // namespace vexa::frame

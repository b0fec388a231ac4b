#include "acad/aced.h"
#include "acad/acedwinmsg.h"
#include "kito/button_relabel_hook.h"
#include "kito/message_box_functions.h"
#include "kito/message_box_request.h"
#include "kito/usage_texts.h"

namespace vexa::kito {

int msgbox(resbuf* args) {
    const std::optional<MessageBoxRequest> request = readMessageBoxRequest(args);
    if (!request) {
        printUsage(msgboxUsage());
        acedRetVoid();
        return RTNORM;
    }
    const MessageBoxPlan plan = planMessageBox(*request);
    HWND owner = adsw_acadMainWnd();
    const int result = plan.relabel()
                           ? relabelledMessageBox(owner, request->text, request->caption, plan.type, plan.labels)
                           : MessageBoxW(owner, request->text.c_str(), request->caption.c_str(), plan.type);
    acedRetInt(result);
    return RTNORM;
}

}  // namespace vexa::kito

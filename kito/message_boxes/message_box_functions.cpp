#include "acad/aced.h"
#include "acad/acedwinmsg.h"
#include "kito/message_boxes/button_relabel_hook.h"
#include "kito/message_boxes/message_box_functions.h"
#include "kito/message_boxes/message_box_request.h"
#include "kito/message_boxes/notice_window.h"
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

int msgbox2(resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    // An argument that is not a text neither opens nor closes: the caller's intent is unknown.
    if (items.empty()) closeNotice();
    else if (const ACHAR* text = messageTextOf(items)) showNotice(text);
    acedRetNil();
    return RTNORM;
}

}  // namespace vexa::kito

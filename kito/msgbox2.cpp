#include "acad/aced.h"
#include "kito/message_box_functions.h"
#include "kito/message_box_request.h"
#include "kito/notice_window.h"

namespace vexa::kito {

int msgbox2(resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    // An argument that is not a text neither opens nor closes: the caller's intent is unknown.
    if (items.empty()) closeNotice();
    else if (const ACHAR* text = messageTextOf(items)) showNotice(text);
    acedRetNil();
    return RTNORM;
}

}  // namespace vexa::kito

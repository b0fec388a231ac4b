#include <vector>

#include "acad/aced.h"
#include "frame/lisp_items.h"
#include "kito/progress/RunningDlg.h"
#include "kito/progress/VideoHelpDlg.h"
#include "kito/progress/progress_functions.h"

namespace vexa::kito {

int running(resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    if (items.empty()) closeRunning();
    else if (const ACHAR* text = items[0].string()) showRunning(text);
    acedRetNil();
    return RTNORM;
}

int videoHelp(resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    const ACHAR* title = !items.empty() ? items[0].string() : nullptr;
    const ACHAR* url = items.size() > 1 ? items[1].string() : nullptr;
    // Without both texts there is nothing to play.
    if (title != nullptr && url != nullptr) showVideoHelp(title, url);
    acedRetNil();
    return RTNORM;
}

}  // namespace vexa::kito

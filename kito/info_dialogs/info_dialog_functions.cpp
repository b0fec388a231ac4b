#include "kito/info_dialogs/info_dialog_functions.h"

#include <vector>

#include "acad/aced.h"
#include "frame/lisp_items.h"
#include "frame/resbuf_chain.h"
#include "frame/resource_scope.h"
#include "kito/info_dialogs/About.h"
#include "kito/info_dialogs/HintDlg.h"
#include "kito/info_dialogs/HtmlDlg.h"
#include "kito/info_dialogs/Welcome.h"

namespace vexa::kito {

namespace {

// The dialog functions take strings by position; a missing one or one of another type is empty.
std::wstring stringAt(const std::vector<frame::Element>& items, std::size_t index) {
    const ACHAR* text = index < items.size() ? items[index].string() : nullptr;
    return text != nullptr ? text : L"";
}

// The check box shows unless the flag is nil; a missing flag counts as nil.
bool flagAt(const std::vector<frame::Element>& items, std::size_t index) {
    return index < items.size() && items[index].node()->restype != RTNIL;
}

template <typename Dialog>
int runCheckDialog(resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    int result = 0;
    {
        const frame::PluginResources resources;
        Dialog dialog(stringAt(items, 0), stringAt(items, 1), stringAt(items, 2), stringAt(items, 3), flagAt(items, 4));
        dialog.DoModal();
        result = dialog.result();
    }
    acedRetInt(result);
    return RTNORM;
}

}  // namespace

int hintDlg(resbuf* args) { return runCheckDialog<HintDlg>(args); }

int htmlDlg(resbuf* args) { return runCheckDialog<HtmlDlg>(args); }

int about(resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    {
        const frame::PluginResources resources;
        About dialog(stringAt(items, 0), stringAt(items, 1), stringAt(items, 3), stringAt(items, 4), stringAt(items, 5));
        dialog.DoModal();
    }
    acedRetNil();
    return RTNORM;
}

int welcome(resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    const std::optional<short> mode = items.empty() ? std::nullopt : items[0].integer();
    acedRetNil();
    if (mode == 0) {
        closeSplash();
    } else if (mode == 1) {
        openSplash();
    } else if (mode == 2) {
        frame::ListBuilder answer;
        answer.integer(7).integer(5).integer(3).string(L"Vexa").string(L"Vexa");
        answer.returnResult();
    }
    return RTNORM;
}

int osType(resbuf*) {
    // The word size of this build, which is what the product's code asks.
    acedRetInt(static_cast<int>(sizeof(void*) * 8));
    return RTNORM;
}

}  // namespace vexa::kito

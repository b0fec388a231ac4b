#include "setup/setup_functions.h"

#include "acad/aced.h"
#include "frame/lisp_items.h"
#include "frame/resbuf_chain.h"
#include "frame/resource_scope.h"
#include "setup/Copyright.h"
#include "setup/progress_window.h"

namespace vexa::setup {

namespace {

constexpr const wchar_t* defaultFolder = L"C:\\Program Files\\Tarnwell Vexa";

std::wstring stringAt(const std::vector<frame::Element>& items, std::size_t index, const wchar_t* otherwise) {
    const ACHAR* text = index < items.size() ? items[index].string() : nullptr;
    return text != nullptr ? text : otherwise;
}

}  // namespace

int installDialog(resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    const std::wstring folder = stringAt(items, 0, defaultFolder);
    const std::wstring language = stringAt(items, 1, items.empty() ? L"" : L"enu");

    const frame::PluginResources resources;
    Copyright dialog(folder, language);
    if (dialog.DoModal() != IDOK) {
        acedRetNil();
        return RTNORM;
    }
    frame::ListBuilder().string(dialog.folder()).integer(static_cast<short>(dialog.templates())).returnResult();
    return RTNORM;
}

int progressDialog(resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    const short mode = items.empty() ? 0 : items[0].integer().value_or(0);
    if (mode == 1) {
        openProgress(stringAt(items, 1, L""));
    } else if (mode == 2) {
        showProgress(items.size() > 1 ? items[1].integer().value_or(0) : 0);
    } else {
        closeProgress();
    }
    acedRetNil();
    return RTNORM;
}

}  // namespace vexa::setup

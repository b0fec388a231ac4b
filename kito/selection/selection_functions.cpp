#include "kito/selection/selection_functions.h"

#include "acad/aced.h"
#include "acad/acedsel.h"
#include "frame/lisp_items.h"
#include "frame/selection.h"
#include "kito/keyboard/input_recorder.h"
#include "kito/selection/input_record.h"
#include "kito/selection/selection_callbacks.h"
#include "kito/selection/ssget_call.h"
#include "win/winuser.h"

namespace vexa::kito {

namespace {

int integerVariable(const ACHAR* name) {
    resbuf value{};
    if (acedGetVar(name, &value) != RTNORM || value.restype != RTSHORT) return 0;
    return value.resval.rint;
}

// "*Enter*" when the host says the prompt ended with a null response or a failed pick, else nil.
void returnErrnoWord() {
    if (integerVariable(L"ERRNO") != 0) acedRetStr(L"*Enter*");
    else acedRetNil();
}

}  // namespace

int ssGet(resbuf* args) {
    const SsGetCall call(args);
    keywordText().clear();
    otherText().clear();
    ads_name set{0, 0};
    int status = RTERROR;
    startInputRecord();
    {
        const SelectionCallbacks callbacks(true);
        status = call.run(set);
    }
    finishInputRecord();
    if (status == RTNORM) frame::returnSelection(set);
    else if (status == RTCAN) acedRetStr(L"*Cancel*");
    else if (!keywordText().empty()) acedRetStr(keywordText().c_str());
    else if (!otherText().empty()) acedRetStr(otherText().c_str());
    else returnErrnoWord();
    return RTNORM;
}

int ssGetRecord(resbuf*) {
    returnInputRecord();
    return RTNORM;
}

int singleSsGet(resbuf* args) {
    const int menuSetting = integerVariable(L"SHORTCUTMENU");
    const std::vector<frame::Element> items = frame::elementsOf(args);
    const ACHAR* prompt = !items.empty() && items[0].string() != nullptr ? items[0].string() : L"";
    const ACHAR* prompts[2] = {prompt, prompt};
    const std::wstring keywords = items.size() > 1 && items[1].string() != nullptr ? keywordString(items[1].string()) : L"";
    const frame::ResbufChain filter = items.size() > 2 ? frame::copySelectionFilter(items[2]) : nullptr;

    keywordText().clear();
    startRecording();
    ads_name set{0, 0};
    int status = RTERROR;
    {
        const SelectionCallbacks callbacks(false);
        status = acedSSGet(L":$:K:S", prompts, keywords.c_str(), filter.get(), set);
    }
    stopRecording();
    const RecordedMessage last = lastRecorded();
    if (status == RTNORM) frame::returnSelection(set);
    else if (status == RTCAN) acedRetStr(L"*Cancel*");
    else if (!keywordText().empty()) acedRetStr(keywordText().c_str());
    else if (last.wParam == static_cast<int>(VK_RETURN)) acedRetStr(L"*Enter*");
    else if (last.wParam == static_cast<int>(VK_ESCAPE)) acedRetStr(L"*Cancel*");
    else if (menuSetting == 0 && last.message == 0 && last.wParam == 0 && last.lParam == 0) acedRetStr(L"*Enter*");
    else returnErrnoWord();
    return RTNORM;
}

}  // namespace vexa::kito

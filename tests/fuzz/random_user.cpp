#include "fuzz/random_user.h"

#include <array>
#include <vector>

namespace vexa::fuzz {

namespace {

using sim::PromptAnswer;
using sim::UserInput;
using sim::win::DialogAct;

constexpr int kActsBeforeClosing = 12;
constexpr int kActsBeforeGivingUp = 60;

}  // namespace

RandomUser::RandomUser(sim::Host& host) : host_(host) {
    host_.user().setResponder([this](UserInput::Waiting waiting, HWND dialog) { respond(waiting, dialog); });
}

RandomUser::~RandomUser() { host_.user().setResponder(nullptr); }

void RandomUser::beginCall(std::uint64_t seed) {
    random_.seed(seed);
    acts_ = 0;
    gaveUp_ = false;
}

void RandomUser::respond(UserInput::Waiting waiting, HWND dialog) {
    if (++acts_ > kActsBeforeGivingUp) {
        gaveUp_ = true;
        return;
    }
    if (waiting == UserInput::Waiting::Prompt) {
        atPrompt();
    } else if (acts_ > kActsBeforeClosing) {
        closeDialog(dialog);
    } else {
        inDialog(dialog);
    }
}

void RandomUser::atPrompt() {
    UserInput& user = host_.user();
    switch (acts_ > kActsBeforeClosing ? 0 : below(8)) {
    case 0:
    case 1:
    case 2: user.queue(PromptAnswer::escape()); break;
    case 3: user.queue(PromptAnswer::enter()); break;
    case 4: user.queue(PromptAnswer::typed(randomText())); break;
    case 5: user.queue(PromptAnswer::pick({false, double(below(200) - 50), double(below(200) - 50), 0})); break;
    case 6: user.queue(PromptAnswer::move({false, double(below(200) - 50), double(below(200) - 50), 0})); break;
    default: user.queue(PromptAnswer::rightClick()); break;
    }
}

std::wstring RandomUser::randomText() {
    static constexpr std::array<const wchar_t*, 10> texts = {L"",    L"0",   L"1.5", L"-3",  L"nan",
                                                            L"1e400", L"abc", L"+",   L"5+", L"99999999999"};
    return texts[below(texts.size())];
}

void RandomUser::inDialog(HWND dialog) {
    const sim::win::Window* window = host_.windows().find(dialog);
    std::vector<const sim::win::Window*> controls;
    if (window != nullptr) {
        for (HWND child : window->children) {
            const sim::win::Window* control = host_.windows().find(child);
            if (control != nullptr && control->id != 0 && control->id != 0xFFFF && control->visibleFlag() &&
                control->enabledFlag()) {
                controls.push_back(control);
            }
        }
    }
    if (controls.empty() || below(6) == 0) {
        closeDialog(dialog);
        return;
    }
    const sim::win::Window& control = *controls[below(static_cast<int>(controls.size()))];
    const int id = control.id;
    const std::wstring& kind = control.className;
    UserInput& user = host_.user();
    if (window->isMessageBox) {
        user.queue(DialogAct::answer(id));
    } else if (kind == L"Edit") {
        user.queue(below(2) == 0 ? DialogAct::keys(id, randomText()) : DialogAct::replaceText(id, randomText()));
    } else if (kind == L"ListBox" || kind == L"ComboBox" || kind == L"SysListView32") {
        user.queue(DialogAct::selectIndex(id, below(5)));
    } else if (kind == L"SysTabControl32") {
        user.queue(DialogAct::selectTab(id, below(4)));
    } else if (kind == L"msctls_trackbar32") {
        user.queue(DialogAct::drag(id, {below(120) - 10, below(120) - 10}));
    } else if (kind == L"Button") {
        user.queue(DialogAct::click(id));
    } else {
        user.queue(DialogAct::focus(id));
    }
}

void RandomUser::closeDialog(HWND dialog) {
    const sim::win::Window* window = host_.windows().find(dialog);
    UserInput& user = host_.user();
    if (window != nullptr && window->isMessageBox) {
        for (HWND child : window->children) {
            const sim::win::Window* button = host_.windows().find(child);
            if (button != nullptr && button->className == L"Button") {
                user.queue(DialogAct::answer(button->id));
                return;
            }
        }
    }
    switch (below(4)) {
    case 0: user.queue(PromptAnswer::enter()); break;
    case 1: user.queue(DialogAct::close()); break;
    default: user.queue(PromptAnswer::escape()); break;
    }
}

}  // namespace vexa::fuzz

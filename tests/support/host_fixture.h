// A fresh simulated host per test, with plug-ins loaded by name and every audit checked at the end.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>

#include "sim/host.h"
#include "sim/user/dialog_act.h"

namespace vexa::test {

std::string narrow(std::wstring_view text);
std::wstring widen(std::string_view text);

class HostTest : public ::testing::Test {
protected:
    using DialogAct = sim::win::DialogAct;
    using DialogView = sim::win::DialogView;

    HostTest();
    void TearDown() override;

    void load(std::initializer_list<const char*> plugins);
    // Evaluates AutoLISP text in the current drawing and returns the result as prin1 prints it.
    std::wstring eval(std::wstring_view source);
    // The error message of a script that must fail.
    std::wstring evalError(std::wstring_view source);
    void type(std::wstring text) { host.user().queue(sim::PromptAnswer::typed(std::move(text))); }
    void pressEnter() { host.user().queue(sim::PromptAnswer::enter()); }
    void pressEscape() { host.user().queue(sim::PromptAnswer::escape()); }
    // A click at a world point of the current viewport.
    void pick(double x, double y) { host.user().queue(sim::PromptAnswer::pick(sim::ViewPosition{false, x, y, 0})); }
    // The scripted user's next act in a dialog or message box.
    void act(DialogAct dialogAct) { host.user().queue(std::move(dialogAct)); }
    // Looks at the dialog (or message box) that is up at this point of the script.
    void look(std::function<void(DialogView&)> check) { act(DialogAct::query(std::move(check))); }
    void click(int id) { act(DialogAct::click(id)); }

    sim::Host host;
};

}  // namespace vexa::test

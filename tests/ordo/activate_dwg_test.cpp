// "VexaActivateDWG": a drawing comes to the front only for its exact full path, in any letter case.
#include "lisp/printer.h"
#include "support/host_fixture.h"

namespace {

class ActivateDwg : public vexa::test::HostTest {
protected:
    void SetUp() override {
        load({"VexaOrdo"});
        first = host.documents().current();
        second = &host.documents().openDocument(L"/work/Drawings/Pump Housing.dwg");
        host.documents().activateDocument(first);
        host.commandLine().takeNew();
    }

    void activateWith(std::wstring line) {
        type(std::move(line));
        EXPECT_TRUE(host.runCommand(L"VexaActivateDWG"));
    }

    vexa::sim::Document* first = nullptr;
    vexa::sim::Document* second = nullptr;
};

TEST_F(ActivateDwg, FullPathInOtherLetterCaseActivates) {
    activateWith(L"/WORK/drawings/pump housing.DWG");
    EXPECT_EQ(host.documents().current(), second);
}

TEST_F(ActivateDwg, AnythingButTheFullPathChangesNothingAndPrintsNothing) {
    for (const std::wstring line : {L"/work/Drawings/Pump Housing.dwg ", L"Pump Housing.dwg", L"Pump Housing"}) {
        activateWith(line);
        EXPECT_EQ(host.documents().current(), first) << vexa::test::narrow(line);
    }
    pressEnter();
    host.runCommand(L"VexaActivateDWG");
    pressEscape();
    host.runCommand(L"_VexaActivateDWG");
    EXPECT_EQ(host.documents().current(), first);
    const std::wstring printed = host.commandLine().takeNew();
    EXPECT_EQ(printed.find(L"acedInvoke"), std::wstring::npos);
    EXPECT_TRUE(host.commandLine().failures().empty());
}

TEST_F(ActivateDwg, RunsTransparentlyInsideAWaitingPrompt) {
    type(L"'VexaActivateDWG");
    type(L"/work/drawings/PUMP HOUSING.dwg");
    type(L"done");
    EXPECT_EQ(eval(L"(getstring \"Name: \")"), L"\"done\"");
    EXPECT_EQ(host.documents().current(), second);
}

TEST_F(ActivateDwg, AnUnknownTransparentNameIsReportedAndThePromptGoesOn) {
    type(L"'NoSuchCommand");
    type(L"done");
    EXPECT_EQ(eval(L"(getstring \"Name: \")"), L"\"done\"");
    EXPECT_NE(host.commandLine().takeNew().find(L"Unknown command \"NOSUCHCOMMAND\""), std::wstring::npos);
    EXPECT_EQ(host.documents().current(), first);
}

TEST_F(ActivateDwg, AScriptGoesOnInTheActivatedDrawing) {
    eval(L"(setq where \"first\")");
    EXPECT_EQ(eval(L"(command \"VexaActivateDWG\" \"/work/Drawings/Pump Housing.dwg\") (setq where \"second\")"),
              L"\"second\"");
    EXPECT_EQ(host.documents().current(), second);
    EXPECT_EQ(vexa::sim::lisp::print(second->lisp().symbolValue(L"where"), true), L"\"second\"");
    EXPECT_EQ(vexa::sim::lisp::print(first->lisp().symbolValue(L"where"), true), L"\"first\"");
}

}  // namespace

// The host's own behaviour that plug-ins rely on: invocation into AutoLISP, system variables, prompts.
#include "acad/aced.h"
#include "support/host_fixture.h"

namespace {

using vexa::test::HostTest;

class HostApi : public HostTest {};

TEST_F(HostApi, InvokeCallsLispAndHandsBackAnOwnedList) {
    eval(L"(defun c:answer (n) (list (list 0 n) \"LANGTEXT\"))");
    resbuf* call = acutBuildList(RTSTR, L"C:ANSWER", RTSHORT, 3, 0);
    resbuf* answer = nullptr;
    EXPECT_EQ(acedInvoke(call, &answer), RTNORM);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->restype, RTLB);
    EXPECT_EQ(answer->rbnext->restype, RTLB);
    EXPECT_EQ(answer->rbnext->rbnext->rbnext->resval.rint, 3);
    acutRelRb(answer);
    acutRelRb(call);
    EXPECT_EQ(host.resbufs().outstanding(), 0u);
}

TEST_F(HostApi, InvokeOfNilResultOrMissingFunction) {
    eval(L"(defun quiet () nil)");
    resbuf* quiet = acutBuildList(RTSTR, L"quiet", 0);
    resbuf* answer = reinterpret_cast<resbuf*>(1);
    EXPECT_EQ(acedInvoke(quiet, &answer), RTNORM);
    EXPECT_EQ(answer, nullptr);
    resbuf* missing = acutBuildList(RTSTR, L"C:NOWHERE", 0);
    EXPECT_NE(acedInvoke(missing, &answer), RTNORM);
    EXPECT_EQ(acedInvoke(nullptr, &answer), RTERROR);
    acutRelRb(quiet);
    acutRelRb(missing);
}

TEST_F(HostApi, SystemVariablesKeepTypesRangesAndReadOnly) {
    EXPECT_EQ(eval(L"(list (getvar \"cvport\") (getvar \"SHORTCUTMENU\") (getvar \"LUPREC\") (getvar \"LayLockFadeCTL\") (getvar \"ERRNO\"))"),
              L"(2 11 4 50 0)");
    EXPECT_EQ(eval(L"(setvar \"LUPREC\" 8)"), L"8");
    EXPECT_NE(evalError(L"(setvar \"LUPREC\" 9)"), L"");
    EXPECT_NE(evalError(L"(setvar \"ERRNO\" 3)"), L"");
    resbuf value{nullptr, RTSHORT, {}};
    value.resval.rint = -91;
    EXPECT_EQ(acedSetVar(L"LAYLOCKFADECTL", &value), RTERROR);
    value.resval.rint = -90;
    EXPECT_EQ(acedSetVar(L"LAYLOCKFADECTL", &value), RTNORM);
    resbuf read{};
    EXPECT_EQ(acedGetVar(L"laylockfadectl", &read), RTNORM);
    EXPECT_EQ(read.resval.rint, -90);
}

TEST_F(HostApi, StringPromptsFollowTheUsersKeys) {
    ACHAR buffer[8];
    type(L"a b c");
    EXPECT_EQ(acedGetStringB(1, L"Text: ", buffer, 8), RTNORM);
    EXPECT_STREQ(buffer, L"a b c");
    type(L"two words");
    EXPECT_EQ(acedGetStringB(0, L"Word: ", buffer, 8), RTNORM);
    EXPECT_STREQ(buffer, L"two");
    EXPECT_EQ(acedGetStringB(0, L"Word: ", buffer, 8), RTNORM);
    EXPECT_STREQ(buffer, L"words");
    pressEnter();
    EXPECT_EQ(acedGetStringB(1, nullptr, buffer, 8), RTNORM);
    EXPECT_STREQ(buffer, L"");
    pressEscape();
    EXPECT_EQ(acedGetStringB(1, nullptr, buffer, 8), RTCAN);
    type(L"longer than eight");
    EXPECT_EQ(acedGetStringB(1, nullptr, buffer, 8), RTINPUTTRUNCATED);
    EXPECT_STREQ(buffer, L"longer ");
}

TEST_F(HostApi, APromptWithoutInputIsReportedNotHung) {
    ACHAR buffer[4];
    EXPECT_EQ(acedGetStringB(1, L"Name: ", buffer, 4), RTCAN);
    EXPECT_EQ(host.audit().take().size(), 1u);
}

TEST_F(HostApi, ScriptErrorsAreReportedAndStopTheScript) {
    EXPECT_FALSE(host.runScript(L"(setq a 1) (car 5) (setq a 2)"));
    EXPECT_EQ(eval(L"a"), L"1");
    EXPECT_NE(host.commandLine().transcript().find(L";  error: bad argument type"), std::wstring::npos);
}

}  // namespace

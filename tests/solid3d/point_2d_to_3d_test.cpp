// "Vexa_2DptTo3Dpt": the product's point typed into the waiting command, or run as commands.
#include "support/solid3d_fixture.h"

namespace {

using Point2dTo3d = vexa::test::Solid3dTest;

TEST_F(Point2dTo3d, PointReachesAWaitingLineCommandAfterTheSnapOverride) {
    eval(L"(defun C:Vexa_2DPto3DP () \"10,20,5\")");
    type(L"'Vexa_2DptTo3Dpt");
    type(L"0,0,0");
    pressEnter();
    eval(L"(command \"LINE\")");
    const std::wstring transcript = host.commandLine().transcript();
    EXPECT_NE(transcript.find(L"Specify first point: 'Vexa_2DptTo3Dpt\nSpecify first point: _none\n"
                              L"Specify first point: 10,20,5\nSpecify next point or [Undo]: 0,0,0\n"),
              std::wstring::npos)
        << vexa::test::narrow(transcript);
    EXPECT_EQ(eval(L"(list (cdr (assoc 10 (entget (entlast)))) (cdr (assoc 11 (entget (entlast)))))"),
              L"((10.0 20.0 5.0) (0.0 0.0 0.0))");
}

TEST_F(Point2dTo3d, WithoutAWaitingCommandTheHostReadsTheTextAsCommands) {
    eval(L"(defun C:Vexa_2DPto3DP () \"10,20,5\")");
    eval(L"(command \"Vexa_2DptTo3Dpt\")");
    EXPECT_NE(host.commandLine().transcript().find(L"Command: _none\nUnknown command \"_NONE\".  Press F1 for help.\n"
                                                   L"Command: 10,20,5\nUnknown command \"10,20,5\"."),
              std::wstring::npos)
        << vexa::test::narrow(host.commandLine().transcript());
}

TEST_F(Point2dTo3d, NilOrAnyOtherAnswerSendsNothingAndAFailedCallSaysSo) {
    // Not defined: the invocation fails.
    eval(L"(command \"Vexa_2DptTo3Dpt\")");
    const std::wstring failed = host.commandLine().takeNew();
    EXPECT_TRUE(failed.ends_with(L"acedInvoke() failed.")) << vexa::test::narrow(failed);
    for (const wchar_t* answer : {L"nil", L"'(10 20 5)", L"42"}) {
        eval(std::wstring(L"(defun C:Vexa_2DPto3DP () ") + answer + L")");
        host.commandLine().takeNew();
        eval(L"(command \"Vexa_2DptTo3Dpt\")");
        EXPECT_EQ(host.commandLine().takeNew(), L"\nCommand: Vexa_2DptTo3Dpt\n") << vexa::test::narrow(answer);
    }
}

}  // namespace

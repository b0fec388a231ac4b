// CIRCLE and TEXT as scripts and the user answer them: typed and picked points, keywords,
// defaults and refusals.
#include "support/host_fixture.h"

namespace {

class DrawCommands : public vexa::test::HostTest {
protected:
    // The groups of the last entity that tell its shape.
    std::wstring last(const std::wstring& codes) {
        return eval(L"(mapcar '(lambda (c) (cdr (assoc c (entget (entlast))))) '(" + codes + L"))");
    }
};

TEST_F(DrawCommands, CircleTakesARadiusADiameterOrAPickedPoint) {
    eval(L"(command \"CIRCLE\" \"10,10\" \"5\")");
    EXPECT_EQ(last(L"0 10 40"), L"(\"CIRCLE\" (10.0 10.0 0.0) 5.0)");
    eval(L"(command \"_.CIRCLE\" '(0 0) \"d\" 8)");
    EXPECT_EQ(last(L"10 40"), L"((0.0 0.0 0.0) 4.0)");
    // The user picks the centre and shows the radius with a point; a zero radius is refused.
    pick(1, 1);
    type(L"1,1");
    pick(4, 5);
    eval(L"(command \"CIRCLE\")");
    EXPECT_EQ(last(L"10 40"), L"((1.0 1.0 0.0) 5.0)");
    EXPECT_NE(host.commandLine().transcript().find(L"[Diameter]: 1,1\nValue must be positive and nonzero.\n"), std::wstring::npos);
    // ESC at the radius draws nothing.
    const std::wstring before = eval(L"(entlast)");
    type(L"3,3");
    pressEscape();
    eval(L"(command \"CIRCLE\")");
    EXPECT_EQ(eval(L"(entlast)"), before);
}

TEST_F(DrawCommands, TextTakesTheDefaultHeightAndRemembersANewOne) {
    eval(L"(setvar \"TEXTSIZE\" 3.0)");
    eval(L"(command \"TEXT\" \"1,2\" \"\" \"90\" \"Part A-1\")");
    EXPECT_EQ(last(L"0 10 40 50 1"), L"(\"TEXT\" (1.0 2.0 0.0) 3.0 1.5708 \"Part A-1\")");
    EXPECT_NE(host.commandLine().transcript().find(L"Specify height <3.0000>: "), std::wstring::npos);
    // The height shown by a point from the start, the angle by another; spaces stay in the text.
    type(L"10,10");
    pick(10, 15);
    pick(8, 10);
    type(L"two words");
    eval(L"(command \"TEXT\")");
    EXPECT_EQ(last(L"40 50 1"), L"(5.0 3.14159 \"two words\")");
    EXPECT_EQ(eval(L"(getvar \"TEXTSIZE\")"), L"5.0");
    // An empty text makes nothing.
    const std::wstring before = eval(L"(entlast)");
    eval(L"(command \"TEXT\" \"0,0\" \"\" \"\" \"\")");
    EXPECT_EQ(eval(L"(entlast)"), before);
}

}  // namespace

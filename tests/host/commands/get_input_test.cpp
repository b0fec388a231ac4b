// The get functions of the SDK and of AutoLISP: control bits, Enter, ESC, keywords, picks from a
// base point, and the point a typed answer hands to the input-point monitors.
#include "acad/aced.h"
#include "acad/acedinpt.h"
#include "support/host_fixture.h"

namespace {

using vexa::sim::PromptAnswer;
using vexa::sim::ViewPosition;

class GetInput : public vexa::test::HostTest {
protected:
    void move(double x, double y) { host.user().queue(PromptAnswer::move(ViewPosition{false, x, y, 0})); }
    std::wstring said() { return host.commandLine().takeNew(); }
};

TEST_F(GetInput, BitsRefuseZeroAndNegativeUntilAValueIsTaken) {
    ASSERT_EQ(acedInitGet(6, nullptr), RTNORM);
    type(L"0");
    type(L"-2.5");
    type(L"2.5");
    ads_real distance = 0.0;
    EXPECT_EQ(acedGetDist(nullptr, L"Height: ", &distance), RTNORM);
    EXPECT_DOUBLE_EQ(distance, 2.5);
    EXPECT_EQ(said(), L"Height: 0\nValue must be positive and nonzero.\nHeight: -2.5\nValue must be positive and nonzero.\n"
                      L"Height: 2.5\n");
    // The bits held for that call only.
    type(L"0");
    EXPECT_EQ(acedGetDist(nullptr, L"Height: ", &distance), RTNORM);
    EXPECT_DOUBLE_EQ(distance, 0.0);

    acedInitGet(4, nullptr);
    type(L"-3");
    type(L"0");
    int count = -1;
    EXPECT_EQ(acedGetInt(L"Count: ", &count), RTNORM);
    EXPECT_EQ(count, 0);
    // A click is no integer.
    pick(5, 5);
    type(L"7");
    EXPECT_EQ(acedGetInt(L"Count: ", &count), RTNORM);
    EXPECT_EQ(count, 7);
    const std::wstring refusals = said();
    EXPECT_NE(refusals.find(L"Value must be positive.\n"), std::wstring::npos);
    EXPECT_NE(refusals.find(L"Count: \nRequires an integer value.\n"), std::wstring::npos);
    EXPECT_EQ(acedInitGet(-1, nullptr), RTERROR);
}

TEST_F(GetInput, EnterIsNoneUnlessRefusedAndEscCancels) {
    ads_point point = {7, 7, 7};
    pressEnter();
    EXPECT_EQ(acedGetPoint(nullptr, L"Point: ", point), RTNONE);
    EXPECT_EQ(point[0], 7.0);
    acedInitGet(1, nullptr);
    pressEnter();
    type(L"1,2,3");
    EXPECT_EQ(acedGetPoint(nullptr, L"Point: ", point), RTNORM);
    EXPECT_EQ(point[2], 3.0);
    EXPECT_NE(said().find(L"Point or option keyword required.\n"), std::wstring::npos);
    pressEscape();
    ads_real real = 0.0;
    EXPECT_EQ(acedGetReal(L"Factor: ", &real), RTCAN);
    // Arbitrary input takes a refused Enter as empty text.
    acedInitGet(129, nullptr);
    pressEnter();
    EXPECT_EQ(acedGetReal(L"Factor: ", &real), RTKWORD);
    ACHAR text[8] = L"x";
    EXPECT_EQ(acedGetInput(text, 8), RTNORM);
    EXPECT_STREQ(text, L"");

    pressEnter();
    EXPECT_EQ(eval(L"(getint \"N: \")"), L"nil");
    pressEscape();
    EXPECT_EQ(evalError(L"(getpoint \"P: \")"), L"Function cancelled");
}

TEST_F(GetInput, KeywordsAnswerWithTheirGlobalNames) {
    acedInitGet(0, L"Diameter Radius _ Diameter Radius");
    type(L"r");
    ads_point point;
    EXPECT_EQ(acedGetPoint(nullptr, L"Center or [Diameter/Radius]: ", point), RTKWORD);
    ACHAR keyword[4];
    EXPECT_EQ(acedGetInput(keyword, 4), RTINPUTTRUNCATED);
    EXPECT_STREQ(keyword, L"Rad");

    acedInitGet(1, L"Yes No");
    type(L"maybe");
    type(L"_No");
    ACHAR answer[16];
    EXPECT_EQ(acedGetKword(L"Sure? ", answer, 16), RTNORM);
    EXPECT_STREQ(answer, L"No");
    EXPECT_NE(said().find(L"Invalid option keyword.\n"), std::wstring::npos);

    EXPECT_EQ(eval(L"(initget \"Left Right\")"), L"nil");
    type(L"ri");
    EXPECT_EQ(eval(L"(getdist '(0 0) \"Offset or [Left/Right]: \")"), L"\"Right\"");
    type(L"l");
    EXPECT_EQ(eval(L"(progn (initget 1 \"Left Right\") (getkword \"Side: \"))"), L"\"Left\"");
    EXPECT_EQ(evalError(L"(initget \"A\" \"B\")"), L"bad argument type: fixnump: \"A\"");
    EXPECT_EQ(evalError(L"(initget 1 2)"), L"bad argument type: stringp 2");
    EXPECT_EQ(evalError(L"(getpoint \"a\" \"b\")"), L"bad argument type: 2D/3D point: \"a\"");
    EXPECT_EQ(evalError(L"(getdist '(1 x))"), L"bad argument type: 2D/3D point: (1 X)");
    EXPECT_EQ(evalError(L"(getint 5)"), L"bad argument type: stringp 5");
}

TEST_F(GetInput, APickAnswersTheDistanceFromTheBasePoint) {
    const ads_point base = {1.0, 1.0, 4.0};
    pick(4, 5);
    ads_real distance = 0.0;
    EXPECT_EQ(acedGetDist(base, L"Second point: ", &distance), RTNORM);
    EXPECT_DOUBLE_EQ(distance, std::sqrt(41.0));
    acedInitGet(64, nullptr);
    pick(4, 5);
    EXPECT_EQ(acedGetDist(base, L"Second point: ", &distance), RTNORM);
    EXPECT_DOUBLE_EQ(distance, 5.0);
    // Without a base the host asks for the second point; a zero distance is refused by bit 2.
    said();
    acedInitGet(2, nullptr);
    pick(2, 2);
    pick(2, 2);
    pick(2, 2);
    pick(2, 5);
    EXPECT_EQ(acedGetDist(nullptr, L"Length: ", &distance), RTNORM);
    EXPECT_DOUBLE_EQ(distance, 3.0);
    EXPECT_EQ(said(), L"Length: \nSpecify second point: \nValue must be nonzero.\nLength: \nSpecify second point: \n");
    pick(10, 20);
    EXPECT_EQ(eval(L"(getpoint)"), L"(10.0 20.0 0.0)");
}

// Records what the host hands to an input-point monitor.
class HistoryMonitor : public AcEdInputPointMonitor {
public:
    struct Seen {
        int history;
        double x;
        double y;
    };
    std::vector<Seen> seen;

    Acad::ErrorStatus monitorInputPoint(bool&, ACHAR*&, AcGiViewportDraw*, AcApDocument*, bool computed, int history,
                                        const AcGePoint3d&, const AcGePoint3d&, const AcGePoint3d&, const AcGePoint3d&,
                                        const AcGePoint3d&, AcDb::OsnapMask, const AcArray<AcDbCustomOsnapMode*>&,
                                        AcDb::OsnapMask, const AcArray<AcDbCustomOsnapMode*>&, const AcArray<AcDbObjectId>&,
                                        const AcArray<AcDbObjectIdArray>&, const AcArray<std::intptr_t>&,
                                        const AcArray<AcDbObjectId>&, const AcArray<AcGeCurve3d*>&,
                                        const AcGePoint3d& computedPoint, const ACHAR*) override {
        if (computed) seen.push_back({history, computedPoint.x, computedPoint.y});
        return Acad::eOk;
    }
};

TEST_F(GetInput, MonitorsSeeTheFinalPointBeforeTheAnswer) {
    HistoryMonitor monitor;
    host.documents().current()->inputPoints().addPointMonitor(&monitor);
    move(3, 3);
    type(L"10,20");
    ads_point point;
    ASSERT_EQ(acedGetPoint(nullptr, L"Point: ", point), RTNORM);
    ASSERT_EQ(monitor.seen.size(), 2u);
    EXPECT_EQ(monitor.seen[1].history, Acad::eNotDigitizer | Acad::eFromKeyboard);
    EXPECT_EQ(monitor.seen[1].x, 10.0);
    EXPECT_EQ(monitor.seen[1].y, 20.0);
    pick(6, 7);
    ASSERT_EQ(acedGetPoint(nullptr, L"Point: ", point), RTNORM);
    ASSERT_EQ(monitor.seen.size(), 3u);
    EXPECT_EQ(monitor.seen[2].x, 6.0);
    EXPECT_EQ((monitor.seen[2].history & Acad::eFromKeyboard), 0);
    host.documents().current()->inputPoints().removePointMonitor(&monitor);
}

}  // namespace

// Single and nested picks over text entities and block references with attributes, and the
// handles the objects carry.
#include "acad/aced.h"
#include "acad/acedentsel.h"
#include "acad/acedsel.h"
#include "acad/dbtext.h"
#include "support/host_fixture.h"

namespace {

using vexa::sim::PromptAnswer;
using vexa::sim::ViewPosition;

class EntityPick : public vexa::test::HostTest {
protected:
    EntityPick() {
        eval(L"(entmake '((0 . \"INSERT\") (2 . \"TITLE\") (10 60.0 60.0 0.0)))");
        eval(L"(setq reference (entlast))");
        eval(L"(entmake '((0 . \"ATTRIB\") (10 60.0 50.0 0.0) (40 . 2.0) (1 . \"KT\") (2 . \"drawn\")))");
        eval(L"(setq attribute (entnext reference))");
        eval(L"(entmake '((0 . \"MTEXT\") (10 10.0 80.0 0.0) (40 . 2.0) (1 . \"Notes\")))");
    }
    void pick(double x, double y) { host.user().queue(PromptAnswer::pick(ViewPosition{false, x, y, 0})); }
    // The handle entget shows for a variable's entity, and the one of a picked name.
    std::wstring handleOf(const std::wstring& variable) { return eval(L"(cdr (assoc 5 (entget " + variable + L")))"); }
    static std::wstring handleOf(const ads_name entity) {
        return L"\"" + vexa::sim::db::Database::handleOf(entity[0]) + L"\"";
    }
};

TEST_F(EntityPick, AnAttributePicksItsReferenceOrItselfWhenNested) {
    ads_name entity = {0, 0};
    ads_point point = {0, 0, 0};
    pick(60, 50);
    ASSERT_EQ(acedEntSel(L"Pick: ", entity, point), RTNORM);
    EXPECT_EQ(handleOf(entity), handleOf(L"reference"));
    pick(60, 50);
    ads_point xform[4];
    resbuf* references = reinterpret_cast<resbuf*>(1);
    ASSERT_EQ(acedNEntSel(L"Pick: ", entity, point, xform, &references), RTNORM);
    EXPECT_EQ(references, nullptr);
    EXPECT_DOUBLE_EQ(point[0], 60.0);
    AcDbObjectId id;
    ASSERT_EQ(acdbGetObjectId(id, entity), Acad::eOk);
    AcDbAttribute* opened = nullptr;
    ASSERT_EQ(acdbOpenObject(opened, id, AcDb::kForRead), Acad::eOk);
    EXPECT_STREQ(opened->tag(), L"DRAWN");
    EXPECT_STREQ(opened->textString(), L"KT");
    AcDbHandle handle;
    opened->getAcDbHandle(handle);
    ACHAR digits[20];
    ASSERT_TRUE(handle.getIntoAsciiBuffer(digits, std::size(digits)));
    EXPECT_EQ(L"\"" + std::wstring(digits) + L"\"", handleOf(L"attribute"));
    opened->close();
    // A selection never takes an attribute on its own.
    resbuf* filter = acutBuildList(RTDXF0, L"ATTRIB", 0);
    ads_name set = {0, 0};
    EXPECT_EQ(acedSSGet(L"X", nullptr, nullptr, filter, set), RTERROR);
    acutRelRb(filter);
}

TEST_F(EntityPick, EnterAndMissedPicksSetErrno) {
    ads_name entity = {0, 0};
    ads_point point = {0, 0, 0};
    pick(120, 5);
    EXPECT_EQ(acedEntSel(nullptr, entity, point), RTERROR);
    EXPECT_EQ(eval(L"(getvar \"ERRNO\")"), L"7");
    pressEnter();
    EXPECT_EQ(acedEntSel(nullptr, entity, point), RTERROR);
    EXPECT_EQ(eval(L"(getvar \"ERRNO\")"), L"52");
    pressEscape();
    EXPECT_EQ(acedNEntSel(nullptr, entity, point, nullptr, nullptr), RTCAN);
    EXPECT_NE(host.commandLine().transcript().find(L"Select object: "), std::wstring::npos);
}

TEST(Handles, UpperCaseHexadecimalOfTheWhole64Bits) {
    ACHAR text[20];
    ASSERT_TRUE(AcDbHandle(0x0000000Au, 0x1u).getIntoAsciiBuffer(text, std::size(text)));
    EXPECT_STREQ(text, L"10000000A");
    ASSERT_TRUE(AcDbHandle(0x2Fu, 0u).getIntoAsciiBuffer(text, std::size(text)));
    EXPECT_STREQ(text, L"2F");
    EXPECT_FALSE(AcDbHandle(0xFFFFFFFFu, 0xFFFFFFFFu).getIntoAsciiBuffer(text, 8));
}

}  // namespace

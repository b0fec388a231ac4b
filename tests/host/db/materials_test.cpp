// The drawing's material dictionary as scripts and plug-in code reach it, and the host's REDRAW.
#include "acad/aced.h"
#include "acad/dbmaterial.h"
#include "support/host_fixture.h"

namespace vexa::test {
namespace {

constexpr const wchar_t* materials = L"(cdr (assoc -1 (dictsearch (namedobjdict) \"ACAD_MATERIAL\")))";

class MaterialsTest : public HostTest {
protected:
    std::size_t openCount() { return host.documents().current()->database().openObjectCount(); }
};

TEST_F(MaterialsTest, ScriptsMakeAMaterialAndFindItInTheMaterialDictionary) {
    EXPECT_EQ(eval(L"(cdr (assoc 0 (entget (setq m (entmakex '((0 . \"MATERIAL\") (1 . \"Jelly\") (140 . 0.3)))))))"),
              L"\"MATERIAL\"");
    EXPECT_EQ(eval(L"(assoc 330 (entget m))"), L"nil");
    EXPECT_EQ(eval(L"(= (dictadd " + std::wstring(materials) + L" \"Jelly\" m) m)"), L"T");
    EXPECT_EQ(eval(L"(mapcar '(lambda (g) (cdr (assoc g (dictsearch " + std::wstring(materials) +
                   L" \"JELLY\")))) '(0 1 140))"),
              L"(\"MATERIAL\" \"Jelly\" 0.3)");
    EXPECT_EQ(eval(L"(= (cdr (assoc 330 (entget m))) " + std::wstring(materials) + L")"), L"T");
    // A taken name, an object already owned and out-of-range values are refused.
    EXPECT_EQ(eval(L"(dictadd " + std::wstring(materials) + L" \"jelly\" (entmakex '((0 . \"MATERIAL\") (1 . \"J2\"))))"),
              L"nil");
    EXPECT_EQ(eval(L"(dictadd " + std::wstring(materials) + L" \"Other\" m)"), L"nil");
    EXPECT_EQ(eval(L"(entmakex '((0 . \"MATERIAL\") (1 . \"J3\") (140 . 1.5)))"), L"nil");
    EXPECT_EQ(eval(L"(entmakex '((0 . \"MATERIAL\") (140 . 0.5)))"), L"nil");
    EXPECT_EQ(evalError(L"(dictsearch (entmakex '((0 . \"MATERIAL\") (1 . \"J4\"))) \"x\")"),
              L"bad argument type: lentityp <Entity name: 1b>");
}

TEST_F(MaterialsTest, PluginCodeChangesTheOpacityThroughTheMaterialObject) {
    eval(L"(dictadd " + std::wstring(materials) + L" \"Jelly\" (entmakex '((0 . \"MATERIAL\") (1 . \"Jelly\"))))");
    AcDbDictionary* dictionary = nullptr;
    ASSERT_EQ(acdbHostApplicationServices()->workingDatabase()->getMaterialDictionary(dictionary, AcDb::kForRead),
              Acad::eOk);
    AcDbObjectId id;
    EXPECT_EQ(dictionary->getAt(L"Missing", id), Acad::eKeyNotFound);
    ASSERT_EQ(dictionary->getAt(L"JELLY", id), Acad::eOk);
    dictionary->close();
    AcDbMaterial* material = nullptr;
    ASSERT_EQ(acdbOpenObject(material, id, AcDb::kForRead), Acad::eOk);
    double opacity = 0.0;
    AcGiMaterialMap map;
    material->opacity(opacity, map);
    EXPECT_EQ(opacity, 1.0);
    EXPECT_EQ(material->setOpacity(0.5, AcGiMaterialMap()), Acad::eNotOpenForWrite);
    ASSERT_EQ(material->upgradeOpen(), Acad::eOk);
    EXPECT_EQ(material->setOpacity(1.5, AcGiMaterialMap()), Acad::eInvalidInput);
    EXPECT_EQ(material->setOpacity(0.7, AcGiMaterialMap()), Acad::eOk);
    EXPECT_EQ(openCount(), 1u);
    material->close();
    EXPECT_EQ(openCount(), 0u);
    EXPECT_EQ(eval(L"(cdr (assoc 140 (dictsearch " + std::wstring(materials) + L" \"Jelly\")))"), L"0.7");
}

TEST_F(MaterialsTest, AcedCommandRunsTheHostsRedrawAsTheCommandLineEchoesIt) {
    EXPECT_EQ(acedCommand(RTSTR, L"REDRAW", RTNONE), RTNORM);
    EXPECT_EQ(acedCommand(RTSTR, L"_redraw", 0), RTNORM);
    EXPECT_EQ(acedCommand(RTSHORT, 5, RTNONE), RTERROR);
    EXPECT_EQ(acedCommand(RTNONE), RTERROR);
    EXPECT_EQ(host.redrawCount(), 2);
    EXPECT_EQ(host.commandLine().transcript(), L"\nCommand: REDRAW\n\nCommand: _redraw\n");
    eval(L"(command \"REDRAW\")");
    EXPECT_EQ(host.redrawCount(), 3);
}

}  // namespace
}  // namespace vexa::test

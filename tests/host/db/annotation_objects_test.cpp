// Dimensions, leaders, multileaders and texts as the annotation tools use them: cloned into
// model space, resized through their open objects, hidden, and made and read by scripts.
#include "acad/dbblocks.h"
#include "acad/dbcurves.h"
#include "acad/dbdim.h"
#include "acad/dblead.h"
#include "acad/dbmleader.h"
#include "acad/acedsel.h"
#include "acad/dbtext.h"
#include "support/host_fixture.h"

namespace vexa::test {
namespace {

class AnnotationObjectsTest : public HostTest {
protected:
    sim::db::Database& drawing() { return host.documents().current()->database(); }

    AcDbObjectId last() { return drawing().objectId(drawing().lastEntity()->id); }

    AcDbObjectId make(std::wstring_view dxf) {
        EXPECT_NE(eval(L"(entmake '" + std::wstring(dxf) + L")"), L"nil") << narrow(dxf);
        return last();
    }

    // Appends a copy of the entity to model space, as the sizing tool shows its preview.
    AcDbObjectId appendClone(AcDbObjectId source) {
        AcDbEntity* entity = nullptr;
        EXPECT_EQ(acdbOpenObject(entity, source, AcDb::kForRead), Acad::eOk);
        AcDbEntity* copy = AcDbEntity::cast(entity->clone());
        entity->close();
        EXPECT_NE(copy, nullptr);
        if (copy == nullptr) return {};
        EXPECT_TRUE(copy->objectId().isNull());
        EXPECT_FALSE(copy->isReadEnabled());
        AcDbBlockTable* table = nullptr;
        EXPECT_EQ(drawing().getBlockTable(table, AcDb::kForRead), Acad::eOk);
        AcDbBlockTableRecord* space = nullptr;
        EXPECT_EQ(table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForWrite), Acad::eOk);
        table->close();
        AcDbObjectId id;
        EXPECT_EQ(space->appendAcDbEntity(id, copy), Acad::eOk);
        space->close();
        copy->close();
        return id;
    }

    // Opens the entity for write as T, lets the change work on it and closes it.
    template <class T, class Change>
    void change(AcDbObjectId id, Change work) {
        T* object = nullptr;
        ASSERT_EQ(acdbOpenObject(object, id, AcDb::kForWrite), Acad::eOk);
        work(*object);
        object->close();
    }

    // How many entities the whole drawing ("X") or a crossing around the text ("C") selects.
    Adesk_Int32 selected(const ACHAR* mode) {
        const ads_point low{-1.0, -1.0, 0.0};
        const ads_point high{10.0, 3.0, 0.0};
        ads_name set{};
        if (acedSSGet(mode, low, high, nullptr, set) != RTNORM) return 0;
        Adesk_Int32 length = 0;
        acedSSLength(set, &length);
        acedSSFree(set);
        return length;
    }

    std::wstring entget(AcDbObjectId id, std::wstring_view query = L"") {
        ads_name name{};
        acdbGetAdsName(name, id);
        AcDbObjectId back;
        EXPECT_EQ(acdbGetObjectId(back, name), Acad::eOk);
        EXPECT_EQ(back, id);
        host.documents().current()->lisp().setSymbolValue(L"e", sim::lisp::makeEntityName(name[0]));
        return eval(query.empty() ? std::wstring(L"(cdr (entget e))") : std::wstring(query));
    }
};

constexpr std::wstring_view kRotated =
    L"((0 . \"DIMENSION\") (70 . 32) (10 10.0 20.0 0.0) (13 0.0 0.0 0.0) (14 30.0 0.0 0.0) (50 . 0.0))";
constexpr std::wstring_view kAligned =
    L"((0 . \"DIMENSION\") (70 . 33) (10 0.0 10.0 0.0) (13 0.0 0.0 0.0) (14 0.0 30.0 0.0))";

TEST_F(AnnotationObjectsTest, EveryClassClonesIntoModelSpaceWithItsFieldsAndTheCopyErasesAtClose) {
    const std::wstring_view sources[] = {
        L"((0 . \"LINE\") (8 . \"Dims\") (62 . 3) (10 0 0 0) (11 5 5 0))",
        L"((0 . \"CIRCLE\") (10 1 1 0) (40 . 2.0))",
        L"((0 . \"ARC\") (10 1 1 0) (40 . 2.0) (50 . 0.5) (51 . 2.0))",
        L"((0 . \"LWPOLYLINE\") (90 . 3) (70 . 1) (10 0 0) (10 4 0) (10 4 3))",
        L"((0 . \"TEXT\") (10 1 2 0) (40 . 3.5) (1 . \"Note\") (50 . 0.25))",
        L"((0 . \"MTEXT\") (10 1 9 0) (40 . 1.8) (41 . 40.0) (1 . \"Two words\"))",
        L"((0 . \"ATTDEF\") (10 0 0 0) (40 . 2.0) (1 . \"v\") (2 . \"TAG\") (3 . \"Prompt\"))",
        L"((0 . \"INSERT\") (2 . \"TITLE\") (10 5 5 0))",
        kRotated,
        kAligned,
        L"((0 . \"LEADER\") (10 0 0 0) (10 5 5 0) (10 9 5 0))",
        L"((0 . \"MULTILEADER\") (10 3 4 0) (40 . 2.0) (41 . 3.5))",
    };
    for (std::wstring_view source : sources) {
        const AcDbObjectId original = make(source);
        const std::wstring before = entget(original);
        const AcDbObjectId copy = appendClone(original);
        ASSERT_FALSE(copy.isNull()) << narrow(source);
        ASSERT_NE(copy, original);
        // The same groups after the name and handle.
        const auto groups = [](const std::wstring& list) { return list.substr(list.find(L"(100 ")); };
        EXPECT_EQ(groups(entget(copy)), groups(before)) << narrow(source);

        AcDbEntity* entity = nullptr;
        ASSERT_EQ(acdbOpenObject(entity, copy, AcDb::kForRead), Acad::eOk);
        EXPECT_EQ(entity->erase(), Acad::eNotOpenForWrite);
        ASSERT_EQ(entity->upgradeOpen(), Acad::eOk);
        EXPECT_EQ(entity->erase(), Acad::eOk);
        EXPECT_NE(drawing().lastEntity()->id, original.asOldId());  // erased only at close
        entity->close();
        EXPECT_EQ(drawing().lastEntity()->id, original.asOldId());
        EXPECT_EQ(acdbOpenObject(entity, copy, AcDb::kForRead), Acad::eWasErased);
    }
    // The class a typed open asks for: a dimension is no line, a leader no dimension.
    AcDbDimension* dimension = nullptr;
    EXPECT_EQ(acdbOpenObject(dimension, last(), AcDb::kForRead), Acad::eInvalidInput);
    EXPECT_EQ(AcDbLine::cast(nullptr), nullptr);
}

TEST_F(AnnotationObjectsTest, SizesWrittenAtCloseFollowTheStyleUntilOverridden) {
    const AcDbObjectId rotated = make(kRotated);
    AcDbRotatedDimension* dimension = nullptr;
    ASSERT_EQ(acdbOpenObject(dimension, rotated, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(dimension->dimensionStyle(), drawing().dimstyle());
    EXPECT_EQ(dimension->dimtxt(), 2.5);
    EXPECT_EQ(dimension->dimscale(), 1.0);
    EXPECT_TRUE(dimension->isUsingDefaultTextPosition());
    EXPECT_EQ(dimension->textPosition(), AcGePoint3d(15, 20, 0));  // the middle of the dimension line
    EXPECT_EQ(dimension->setDimscale(-1.0), Acad::eInvalidInput);
    EXPECT_EQ(dimension->setDimscale(1.4), Acad::eOk);
    EXPECT_EQ(dimension->setDimLinePoint({10, 24, 0}), Acad::eOk);
    EXPECT_EQ(dimension->setTextPosition({15, 25, 0}), Acad::eOk);
    EXPECT_EQ(dimension->useSetTextPosition(), Acad::eOk);
    dimension->close();
    ASSERT_EQ(acdbOpenObject(dimension, rotated, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(dimension->dimscale(), 1.4);
    EXPECT_EQ(dimension->dimLinePoint(), AcGePoint3d(10, 24, 0));
    EXPECT_EQ(dimension->textPosition(), AcGePoint3d(15, 25, 0));
    EXPECT_FALSE(dimension->isUsingDefaultTextPosition());
    EXPECT_EQ(dimension->setDimscale(2.0), Acad::eNotOpenForWrite);
    dimension->close();
    // A text the host places follows its dimension line.
    change<AcDbAlignedDimension>(make(kAligned), [](AcDbAlignedDimension& aligned) {
        EXPECT_EQ(aligned.textPosition(), AcGePoint3d(0, 15, 0));
        aligned.setDimLinePoint({-4, 0, 0});
        aligned.setTextPosition({9, 9, 0});
    });
    change<AcDbAlignedDimension>(last(), [](AcDbAlignedDimension& aligned) {
        EXPECT_EQ(aligned.textPosition(), AcGePoint3d(-4, 15, 0));
    });

    const AcDbObjectId textId = make(L"((0 . \"TEXT\") (10 0 0 0) (1 . \"A\"))");
    change<AcDbText>(textId, [](AcDbText& text) {
        EXPECT_EQ(text.setHeight(0.0), Acad::eInvalidInput);
        EXPECT_EQ(text.setHeight(4.25), Acad::eOk);
    });
    const AcDbObjectId mtextId = make(L"((0 . \"MTEXT\") (10 0 0 0) (1 . \"B\"))");
    change<AcDbMText>(mtextId, [](AcDbMText& text) { EXPECT_EQ(text.setTextHeight(1.75), Acad::eOk); });
    const AcDbObjectId leaderId = make(L"((0 . \"LEADER\") (10 0 0 0) (10 5 5 0))");
    change<AcDbLeader>(leaderId, [](AcDbLeader& leader) {
        EXPECT_EQ(leader.numVertices(), 2);
        EXPECT_EQ(leader.vertexAt(1), AcGePoint3d(5, 5, 0));
        EXPECT_EQ(leader.vertexAt(2), AcGePoint3d());
        EXPECT_EQ(leader.dimtxt(), 2.5);
        EXPECT_EQ(leader.setDimscale(3.0), Acad::eOk);
    });
    const AcDbObjectId mleaderId = make(L"((0 . \"MULTILEADER\") (10 0 0 0))");
    change<AcDbMLeader>(mleaderId, [](AcDbMLeader& leader) {
        EXPECT_EQ(leader.setScale(0.0), Acad::eInvalidInput);
        EXPECT_EQ(leader.setScale(2.0), Acad::eOk);
        EXPECT_EQ(leader.setTextHeight(3.0), Acad::eOk);
    });

    const std::wstring_view height = L"(cdr (assoc 40 (entget e)))";
    EXPECT_EQ(entget(textId, height), L"4.25");
    EXPECT_EQ(entget(mtextId, height), L"1.75");
    EXPECT_EQ(entget(leaderId, height), L"7.5");  // the annotation's height: DIMTXT 2.5 at scale 3
    EXPECT_EQ(entget(leaderId, L"(assoc -3 (entget e '(\"ACAD\")))"),
              L"(-3 (\"ACAD\" (1000 . \"DSTYLE\") (1002 . \"{\") (1070 . 40) (1040 . 3.0) (1002 . \"}\")))");
    EXPECT_EQ(entget(mleaderId, L"(list (cdr (assoc 40 (entget e))) (cdr (assoc 41 (entget e))))"), L"(2.0 3.0)");
    EXPECT_EQ(entget(rotated, L"(list (cdr (assoc 70 (entget e))) (assoc -3 (entget e '(\"ACAD\"))))"),
              L"(160 (-3 (\"ACAD\" (1000 . \"DSTYLE\") (1002 . \"{\") (1070 . 40) (1040 . 1.4) (1002 . \"}\"))))");
    EXPECT_EQ(entget(rotated, L"(assoc -3 (entget e))"), L"nil");
}

TEST_F(AnnotationObjectsTest, ScriptsMakeDimensionsWithOverridesAndRefuseBrokenOnesWithoutTrace) {
    const AcDbObjectId aligned =
        make(L"((0 . \"DIMENSION\") (70 . 161) (10 0 10 0) (11 5 12 0) (13 0 0 0) (14 0 30 0) (3 . \"standard\") "
             L"(-3 (\"ACAD\" (1000 . \"DSTYLE\") (1002 . \"{\") (1070 . 40) (1040 . 2.0) (1070 . 140) (1040 . 3.5) "
             L"(1002 . \"}\"))))");
    AcDbAlignedDimension* dimension = nullptr;
    ASSERT_EQ(acdbOpenObject(dimension, aligned, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(dimension->dimscale(), 2.0);
    EXPECT_EQ(dimension->dimtxt(), 3.5);
    EXPECT_FALSE(dimension->isUsingDefaultTextPosition());
    EXPECT_EQ(dimension->textPosition(), AcGePoint3d(5, 12, 0));
    EXPECT_EQ(AcDbRotatedDimension::cast(dimension), nullptr);
    dimension->close();
    EXPECT_EQ(entget(aligned),
              L"((0 . \"DIMENSION\") (5 . \"" + sim::db::Database::handleOf(aligned.asOldId()) +
                  L"\") (100 . \"AcDbEntity\") (67 . 0) (8 . \"0\") (100 . \"AcDbDimension\") (10 0.0 10.0 0.0) "
                  L"(11 5.0 12.0 0.0) (70 . 161) (1 . \"\") (3 . \"Standard\") (100 . \"AcDbAlignedDimension\") "
                  L"(13 0.0 0.0 0.0) (14 0.0 30.0 0.0) (210 0.0 0.0 1.0))");
    // entmod takes the same groups: a new scale, then the overrides dropped.
    eval(L"(entmod (append (entget e) '((-3 (\"ACAD\" (1000 . \"DSTYLE\") (1002 . \"{\") (1070 . 40) (1040 . 0.5) "
         L"(1002 . \"}\"))))))");
    EXPECT_EQ(eval(L"(cdr (assoc -3 (entget e '(\"ACAD\"))))"),
              L"((\"ACAD\" (1000 . \"DSTYLE\") (1002 . \"{\") (1070 . 40) (1040 . 0.5) (1002 . \"}\")))");

    const std::size_t entities = drawing().lastEntity()->id;
    for (std::wstring_view broken : {
             L"((0 . \"DIMENSION\") (70 . 34) (10 0 0 0) (13 0 0 0) (14 1 0 0))",     // angular: not held
             L"((0 . \"DIMENSION\") (10 0 0 0) (13 0 0 0))",                          // no second point
             L"((0 . \"DIMENSION\") (10 0 0 0) (13 0 0 0) (14 1 0 0) (3 . \"Nope\"))",  // no such style
             L"((0 . \"DIMENSION\") (10 0 0 0) (13 0 0 0) (14 1 0 0) (-3 (\"ACAD\" (1000 . \"DSTYLE\") "
             L"(1002 . \"{\") (1070 . 40) (1040 . -2.0) (1002 . \"}\"))))",
             L"((0 . \"DIMENSION\") (10 0 0 0) (13 0 0 0) (14 1 0 0) (-3 (\"ACAD\" (1000 . \"DSTYLE\") "
             L"(1002 . \"{\") (1070 . 40))))",
             L"((0 . \"LEADER\") (10 0 0 0))",
             L"((0 . \"MULTILEADER\") (10 0 0 0) (41 . 0.0))",
             L"((0 . \"TEXT\") (10 0 0 0) (1 . \"x\") (40 . -1.0))",
             L"((0 . \"LINE\") (10 0 0 0) (11 1 1 0) (60 . 2))",
         }) {
        EXPECT_EQ(eval(L"(entmake '" + std::wstring(broken) + L")"), L"nil") << narrow(broken);
    }
    EXPECT_EQ(drawing().lastEntity()->id, static_cast<sim::db::ObjectId>(entities));
}

TEST_F(AnnotationObjectsTest, AnInvisibleEntityIsNeitherSelectedNorPickedAndShowsGroup60) {
    const AcDbObjectId text = make(L"((0 . \"TEXT\") (10 0 0 0) (40 . 2.0) (1 . \"Hidden\"))");
    make(L"((0 . \"LINE\") (10 0 -5 0) (11 0 -6 0))");
    AcDbEntity* entity = nullptr;
    ASSERT_EQ(acdbOpenObject(entity, text, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(entity->setVisibility(AcDb::kInvisible), Acad::eNotOpenForWrite);
    EXPECT_EQ(entity->highlight(), Acad::eOk);  // a read-only open may highlight
    entity->upgradeOpen();
    EXPECT_EQ(entity->setVisibility(AcDb::kInvisible), Acad::eOk);
    entity->close();
    EXPECT_EQ(drawing().highlighted().count(text.asOldId()), 1u);
    EXPECT_EQ(entget(text, L"(assoc 60 (entget e))"), L"(60 . 1)");
    EXPECT_EQ(selected(L"X"), 1);
    EXPECT_EQ(selected(L"C"), 0);

    ASSERT_EQ(acdbOpenObject(entity, text, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(entity->visibility(), AcDb::kInvisible);
    entity->setVisibility(AcDb::kVisible);
    entity->unhighlight();
    entity->close();
    EXPECT_TRUE(drawing().highlighted().empty());
    EXPECT_EQ(entget(text, L"(assoc 60 (entget e))"), L"nil");
    EXPECT_EQ(selected(L"C"), 1);
}

}  // namespace
}  // namespace vexa::test

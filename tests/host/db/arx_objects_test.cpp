// Database objects opened and closed as plug-in code does, through the host's declarations.
#include "acad/dbmain.h"
#include "support/host_fixture.h"

namespace vexa::test {
namespace {

class ArxObjectsTest : public HostTest {
protected:
    AcDbDatabase* database() { return acdbHostApplicationServices()->workingDatabase(); }
    std::size_t openCount() { return host.documents().current()->database().openObjectCount(); }
};

TEST_F(ArxObjectsTest, LayerRecordChangedForWriteIsWrittenBackAtClose) {
    eval(L"(entmake '((0 . \"LAYER\") (2 . \"L001\") (62 . 3)))");
    AcDbLayerTable* table = nullptr;
    ASSERT_EQ(database()->getLayerTable(table, AcDb::kForRead), Acad::eOk);
    EXPECT_TRUE(table->has(L"l001"));
    AcDbLayerTableRecord* record = nullptr;
    ASSERT_EQ(table->getAt(L"L001", record, AcDb::kForWrite), Acad::eOk);
    table->close();
    EXPECT_EQ(record->colorIndex(), 3);
    EXPECT_EQ(record->setName(L"0"), Acad::eDuplicateRecordName);
    EXPECT_EQ(record->setColorIndex(300), Acad::eInvalidInput);
    EXPECT_EQ(record->setColorIndex(5), Acad::eOk);
    EXPECT_EQ(record->setName(L"L002"), Acad::eOk);
    EXPECT_EQ(openCount(), 1u);
    record->close();
    EXPECT_EQ(openCount(), 0u);
    EXPECT_EQ(eval(L"(tblsearch \"LAYER\" \"L002\")"),
              L"((0 . \"LAYER\") (2 . \"L002\") (70 . 0) (62 . 5) (6 . \"CONTINUOUS\"))");
}

TEST_F(ArxObjectsTest, OneWriterOrManyReadersAndReadOnlyObjectsRefuseChanges) {
    AcDbObjectId zero;
    AcDbLayerTable* table = nullptr;
    ASSERT_EQ(database()->getLayerTable(table, AcDb::kForRead), Acad::eOk);
    ASSERT_EQ(table->getAt(L"0", zero), Acad::eOk);
    table->close();
    AcDbLayerTableRecord* reader = nullptr;
    AcDbLayerTableRecord* second = nullptr;
    AcDbLayerTableRecord* writer = nullptr;
    ASSERT_EQ(acdbOpenObject(reader, zero, AcDb::kForRead), Acad::eOk);
    ASSERT_EQ(acdbOpenObject(second, zero, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(acdbOpenObject(writer, zero, AcDb::kForWrite), Acad::eWasOpenForRead);
    EXPECT_EQ(writer, nullptr);
    EXPECT_EQ(reader->setColorIndex(1), Acad::eNotOpenForWrite);
    EXPECT_EQ(reader->upgradeOpen(), Acad::eWasOpenForRead);
    second->close();
    EXPECT_EQ(reader->upgradeOpen(), Acad::eOk);
    EXPECT_EQ(reader->setName(L"Zero"), Acad::eInvalidInput);
    reader->close();
    // The wrong class opens nothing.
    AcDbLine* line = nullptr;
    EXPECT_EQ(acdbOpenObject(line, zero, AcDb::kForRead), Acad::eInvalidInput);
    EXPECT_EQ(openCount(), 0u);
}

TEST_F(ArxObjectsTest, EntitiesOpenByAdsNameAndLinetypesIterateInTableOrder) {
    eval(L"(entmake '((0 . \"LINE\") (10 0 0 0) (11 3 4 0)))");
    ads_name name{};
    EXPECT_EQ(eval(L"(setq e (entlast))").substr(0, 13), L"<Entity name:");
    name[0] = host.documents().current()->database().lastEntity()->id;
    AcDbObjectId id;
    ASSERT_EQ(acdbGetObjectId(id, name), Acad::eOk);
    AcDbLine* line = nullptr;
    ASSERT_EQ(acdbOpenObject(line, id, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(line->endPoint(), AcGePoint3d(3, 4, 0));
    EXPECT_EQ(line->setLayer(L"NoSuchLayer"), Acad::eKeyNotFound);
    line->setColorIndex(1);
    line->setLinetype(L"CENTER");
    line->close();
    EXPECT_EQ(eval(L"(list (cdr (assoc 62 (entget e))) (cdr (assoc 6 (entget e))))"), L"(1 \"CENTER\")");

    AcDbLinetypeTable* linetypes = nullptr;
    ASSERT_EQ(database()->getLinetypeTable(linetypes, AcDb::kForRead), Acad::eOk);
    AcDbLinetypeTableIterator* iterator = nullptr;
    ASSERT_EQ(linetypes->newIterator(iterator), Acad::eOk);
    linetypes->close();
    std::wstring names;
    for (iterator->start(); !iterator->done(); iterator->step()) {
        AcDbLinetypeTableRecord* record = nullptr;
        ASSERT_EQ(iterator->getRecord(record, AcDb::kForRead), Acad::eOk);
        const ACHAR* text = nullptr;
        record->getName(text);
        names += std::wstring(text) + L" ";
        record->close();
    }
    delete iterator;
    EXPECT_EQ(names, L"BYBLOCK BYLAYER CONTINUOUS HIDDEN CENTER DASHED PHANTOM DOT ");
    EXPECT_EQ(openCount(), 0u);
}

}  // namespace
}  // namespace vexa::test

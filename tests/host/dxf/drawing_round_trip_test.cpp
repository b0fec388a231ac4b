// Drawings through the DXF reader and writer: unchanged ones come back byte for byte, changed
// ones keep the groups the database does not hold, and new drawings read back whole.
#include <gtest/gtest.h>

#include "dxf/drawing_reader.h"
#include "dxf/drawing_writer.h"

namespace vexa::sim::dxf {
namespace {

std::string dxf(std::initializer_list<std::pair<int, const char*>> groups) {
    std::string text;
    for (const auto& [code, value] : groups) {
        const std::string digits = std::to_string(code);
        text += std::string(digits.size() < 3 ? 3 - digits.size() : 0, ' ') + digits + "\n" + value + "\n";
    }
    return text;
}

// A layer with a lineweight and extended data, a line with both, a kind the database lacks,
// a section and a table it knows nothing of.
const std::string kDrawing = dxf({
    {0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1015"}, {9, "$HANDSEED"}, {5, "40"}, {9, "$CLAYER"}, {8, "Contour"},
    {0, "ENDSEC"},
    {0, "SECTION"}, {2, "TABLES"},
    {0, "TABLE"}, {2, "LTYPE"}, {5, "5"}, {70, "3"},
    {0, "LTYPE"}, {5, "15"}, {330, "5"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbLinetypeTableRecord"}, {2, "ByBlock"},
    {70, "0"}, {3, ""}, {72, "65"}, {73, "0"}, {40, "0.0"},
    {0, "LTYPE"}, {5, "16"}, {330, "5"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbLinetypeTableRecord"}, {2, "ByLayer"},
    {70, "0"}, {3, ""}, {72, "65"}, {73, "0"}, {40, "0.0"},
    {0, "LTYPE"}, {5, "14"}, {330, "5"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbLinetypeTableRecord"}, {2, "Continuous"},
    {70, "0"}, {3, "Solid line"}, {72, "65"}, {73, "0"}, {40, "0.0"},
    {0, "ENDTAB"},
    {0, "TABLE"}, {2, "LAYER"}, {5, "2"}, {70, "2"},
    {0, "LAYER"}, {5, "10"}, {330, "2"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbLayerTableRecord"}, {2, "0"}, {70, "0"},
    {62, "7"}, {6, "Continuous"},
    {0, "LAYER"}, {5, "11"}, {330, "2"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbLayerTableRecord"}, {2, "Contour"},
    {70, "0"}, {62, "1"}, {6, "Continuous"}, {370, "50"}, {390, "F"}, {1001, "VEXA"}, {1000, "kept"},
    {0, "ENDTAB"},
    {0, "TABLE"}, {2, "VEXA_TABLE"}, {5, "3"}, {70, "1"}, {0, "VEXA_ENTRY"}, {5, "12"}, {2, "unknown"}, {0, "ENDTAB"},
    {0, "TABLE"}, {2, "BLOCK_RECORD"}, {5, "1"}, {70, "2"},
    {0, "BLOCK_RECORD"}, {5, "1F"}, {330, "1"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbBlockTableRecord"}, {2, "*Model_Space"},
    {0, "BLOCK_RECORD"}, {5, "1E"}, {330, "1"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbBlockTableRecord"}, {2, "TITLE"},
    {0, "ENDTAB"},
    {0, "ENDSEC"},
    {0, "SECTION"}, {2, "VEXA_SECTION"}, {0, "ANYTHING"}, {1, "at all"}, {0, "ENDSEC"},
    {0, "SECTION"}, {2, "ENTITIES"},
    {0, "LINE"}, {5, "20"}, {330, "1F"}, {100, "AcDbEntity"}, {8, "Contour"}, {370, "35"}, {100, "AcDbLine"},
    {10, "0.0"}, {20, "0.0"}, {30, "0.0"}, {11, "10.0"}, {21, "0.0"}, {31, "0.0"}, {1001, "VEXA"}, {1070, "3"},
    {0, "ELLIPSE"}, {5, "21"}, {330, "1F"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbEllipse"}, {10, "0.0"}, {20, "0.0"},
    {30, "0.0"}, {11, "5.0"}, {21, "0.0"}, {31, "0.0"}, {40, "0.5"}, {41, "0.0"}, {42, "6.283185307179586"},
    {0, "INSERT"}, {5, "22"}, {330, "1F"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockReference"}, {66, "1"}, {2, "TITLE"},
    {10, "1.0"}, {20, "2.0"}, {30, "0.0"}, {41, "2.0"},
    {0, "ATTRIB"}, {5, "23"}, {330, "22"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbText"}, {10, "1.0"}, {20, "2.0"},
    {30, "0.0"}, {40, "2.5"}, {1, "Housing"}, {100, "AcDbAttribute"}, {2, "PART"}, {70, "0"},
    {0, "SEQEND"}, {5, "24"}, {330, "22"}, {100, "AcDbEntity"}, {8, "0"},
    {0, "ENDSEC"},
    {0, "EOF"},
});

const db::Entity* entityOfKind(const db::Database& database, std::size_t kind) {
    for (const db::Entity* e = database.firstEntity(); e != nullptr; e = database.entityAfter(e->id)) {
        if (e->geometry.index() == kind) return e;
    }
    return nullptr;
}

TEST(DxfRoundTrip, UnchangedDrawingComesBackByteForByte) {
    db::Database database;
    ReadDrawing drawing = readDrawing(kDrawing, database);
    EXPECT_EQ(drawing.currentLayer, L"Contour");
    EXPECT_EQ(database.layers().size(), 2u);
    ASSERT_NE(entityOfKind(database, 10), nullptr);  // the block reference, its attribute after it
    EXPECT_EQ(std::get<db::AttributeGeometry>(entityOfKind(database, 11)->geometry).owner, entityOfKind(database, 10)->id);
    EXPECT_EQ(writeDrawing(database, drawing.source, L"Contour"), kDrawing);
}

TEST(DxfRoundTrip, ChangesArePatchedInAndUnknownGroupsStay) {
    db::Database database;
    ReadDrawing drawing = readDrawing(kDrawing, database);
    db::Layer contour = *database.layers().find(L"Contour");
    contour.name = L"Outline";
    contour.colorIndex = 3;
    ASSERT_EQ(database.updateLayer(contour), db::Refusal::None);
    db::Entity line = *entityOfKind(database, 0);
    std::get<db::LineGeometry>(line.geometry).end.x = 25.0;
    ASSERT_EQ(database.updateEntity(line), db::Refusal::None);
    db::Entity circle;
    circle.layer = contour.id;
    circle.linetype = database.linetypes().find(L"BYLAYER")->id;
    circle.geometry = db::CircleGeometry{{5.0, 5.0, 0.0}, 2.0};
    ASSERT_EQ(database.addEntity(circle), db::Refusal::None);

    const std::string saved = writeDrawing(database, drawing.source, L"Outline");
    EXPECT_NE(saved.find(dxf({{2, "Outline"}, {70, "0"}, {62, "3"}, {6, "CONTINUOUS"}, {370, "50"}, {390, "F"},
                              {1001, "VEXA"}, {1000, "kept"}})), std::string::npos);
    EXPECT_NE(saved.find(dxf({{370, "35"}, {100, "AcDbLine"}, {10, "0.0"}, {20, "0.0"}, {30, "0.0"}, {11, "25.0"}})),
              std::string::npos);
    EXPECT_NE(saved.find("VEXA_SECTION"), std::string::npos);
    EXPECT_NE(saved.find("VEXA_ENTRY"), std::string::npos);
    EXPECT_NE(saved.find("ELLIPSE"), std::string::npos);
    EXPECT_NE(saved.find(dxf({{9, "$CLAYER"}, {8, "Outline"}})), std::string::npos);
    // The new circle takes the handle seed, and the seed moves on.
    EXPECT_NE(saved.find(dxf({{0, "CIRCLE"}, {5, "40"}, {330, "1F"}})), std::string::npos);
    EXPECT_NE(saved.find(dxf({{9, "$HANDSEED"}, {5, "41"}})), std::string::npos);

    db::Database again;
    readDrawing(saved, again);
    EXPECT_EQ(again.layers().find(L"Outline")->colorIndex, 3);
    EXPECT_EQ(std::get<db::LineGeometry>(entityOfKind(again, 0)->geometry).end.x, 25.0);
    EXPECT_NE(entityOfKind(again, 1), nullptr);
}

TEST(DxfRoundTrip, ErasedAndPurgedObjectsLeaveTheFile) {
    db::Database database;
    ReadDrawing drawing = readDrawing(kDrawing, database);
    db::Entity reference = *entityOfKind(database, 10);
    reference.erased = true;
    db::Entity attribute = *entityOfKind(database, 11);
    attribute.erased = true;
    ASSERT_EQ(database.updateEntity(reference), db::Refusal::None);
    ASSERT_EQ(database.updateEntity(attribute), db::Refusal::None);
    const std::string saved = writeDrawing(database, drawing.source, L"0");
    EXPECT_EQ(saved.find("INSERT"), std::string::npos);
    EXPECT_EQ(saved.find("SEQEND"), std::string::npos);
}

// Before R2007 a file is in its code page; what Windows-1252 lacks is escaped.
TEST(DxfRoundTrip, CodePageTextIsReadAndWrittenBack) {
    const std::string drawing = dxf({{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1015"}, {0, "ENDSEC"},
                                     {0, "SECTION"}, {2, "ENTITIES"}, {0, "TEXT"}, {8, "0"}, {1, "Ma\xdf \x80 \\U+4E2D"},
                                     {0, "ENDSEC"}, {0, "EOF"}});
    db::Database database;
    ReadDrawing read = readDrawing(drawing, database);
    EXPECT_EQ(std::get<db::TextGeometry>(entityOfKind(database, 4)->geometry).text, L"Ma\u00df \u20ac \u4e2d");
    EXPECT_EQ(writeDrawing(database, read.source, L"0"), drawing);
    db::Entity text = *entityOfKind(database, 4);
    std::get<db::TextGeometry>(text.geometry).text = L"\u4e2d\u00e9";
    ASSERT_EQ(database.updateEntity(text), db::Refusal::None);
    EXPECT_NE(writeDrawing(database, read.source, L"0").find("\n\\U+4E2D\xe9\n"), std::string::npos);
}

// A drawing made in the simulator: the skeleton's tables and spaces, the database's records in.
TEST(DxfRoundTrip, NewDrawingReadsBackWhole) {
    db::Database database;
    db::ObjectId layer = db::kNullId;
    ASSERT_EQ(database.addLayer({0, L"Stra\u00dfe", 2, 0x336699u, database.continuous().id, true, false, true}, &layer),
              db::Refusal::None);
    const db::ObjectId byLayer = database.linetypes().find(L"BYLAYER")->id;
    db::ObjectId reference = db::kNullId;
    database.addEntity({0, layer, 5, byLayer, false, db::BlockReferenceGeometry{{1.0, 2.0, 0.0}, L"TITLE"}}, &reference);
    database.addEntity({0, layer, db::kColorByLayer, byLayer, false,
                        db::AttributeGeometry{reference, {{1.0, 2.0, 0.0}, 2.5, 0.0, L"Gr\u00f6\u00dfe"}, L"PART"}});
    database.addEntity({0, layer, db::kColorByLayer, byLayer, false,
                        db::MTextGeometry{{0.0, 9.0, 0.0}, 3.5, 80.0, std::wstring(600, L'x') + L"\u00e9"}});
    database.addEntity({0, layer, db::kColorByLayer, byLayer, false, db::PolylineGeometry{{{0, 0, 0}, {4, 0, 0}, {4, 3, 0}}, true}});
    database.addEntity({0, layer, db::kColorByLayer, byLayer, false,
                        db::EllipseGeometry{{1, 1, 0}, {0, 0, 1}, {3, 0, 0}, 0.5, 0.0, 3.0}});
    database.addEntity({0, layer, db::kColorByLayer, byLayer, false,
                        db::SplineGeometry{2, {{0, 0, 0}, {1, 2, 0}, {3, 0, 0}}, {0, 0, 0, 1, 1, 1}, {1.0, 0.5, 1.0}}});
    SourceDrawing source = newDrawingSource();
    const std::string saved = writeDrawing(database, source, L"0");
    EXPECT_NE(saved.find("Stra\xdf" "e"), std::string::npos);  // R2000 is in Windows-1252

    db::Database again;
    readDrawing(saved, again);
    const db::Layer* read = again.layers().find(L"Stra\u00dfe");
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(read->off && read->locked && !read->frozen);
    EXPECT_EQ(read->trueColor, 0x336699u);
    const auto& attribute = std::get<db::AttributeGeometry>(entityOfKind(again, 11)->geometry);
    EXPECT_EQ(attribute.text.text, L"Gr\u00f6\u00dfe");
    EXPECT_EQ(attribute.owner, entityOfKind(again, 10)->id);
    EXPECT_EQ(entityOfKind(again, 10)->color, 5);
    EXPECT_EQ(std::get<db::MTextGeometry>(entityOfKind(again, 8)->geometry).contents, std::wstring(600, L'x') + L"\u00e9");
    EXPECT_EQ(std::get<db::PolylineGeometry>(entityOfKind(again, 3)->geometry).vertices.size(), 3u);
    EXPECT_EQ(std::get<db::EllipseGeometry>(entityOfKind(again, 5)->geometry).radiusRatio, 0.5);
    const auto& spline = std::get<db::SplineGeometry>(entityOfKind(again, 6)->geometry);
    EXPECT_EQ(spline.controlPoints[1], (db::Point3{1, 2, 0}));
    EXPECT_EQ(spline.weights, (std::vector<double>{1.0, 0.5, 1.0}));
    EXPECT_EQ(spline.knots.size(), 6u);
}

// Annotation keeps its style by name and the overrides as the host's DSTYLE data.
TEST(DxfRoundTrip, AnnotationReadsBackWithItsStyleAndOverrides) {
    db::Database database;
    db::ObjectId fine = db::kNullId;
    ASSERT_EQ(database.addDimStyle({0, L"Fine", 1.8, 2.0}, &fine), db::Refusal::None);
    const db::ObjectId zero = database.layerZero().id;
    const db::ObjectId byLayer = database.linetypes().find(L"BYLAYER")->id;
    db::DimensionGeometry rotated{false, {0, 0, 0}, {30, 0, 0}, {10, 8, 0}, {15, 9, 0}, 0.5, true, fine, 1.5, 3.5};
    database.addEntity({0, zero, db::kColorByLayer, byLayer, false, rotated, false});
    const db::DimensionGeometry aligned{true, {0, 0, 0}, {0, 30, 0}, {-8, 0, 0}, {-8, 15, 0}, 0.0, false,
                                        database.currentDimStyle().id, std::nullopt, std::nullopt};
    database.addEntity({0, zero, db::kColorByLayer, byLayer, false, aligned});
    database.addEntity({0, zero, db::kColorByLayer, byLayer, false, db::LeaderGeometry{{{0, 0, 0}, {4, 4, 0}}, fine, 0.5}});
    database.addEntity({0, zero, db::kColorByLayer, byLayer, false, db::MLeaderGeometry{{3, 4, 0}, 2.0, 3.0}});
    SourceDrawing source = newDrawingSource();
    db::Database again;
    ASSERT_EQ(again.addDimStyle({0, L"Fine", 1.8, 2.0}, &fine), db::Refusal::None);
    readDrawing(writeDrawing(database, source, L"0"), again);

    const db::Entity* first = again.firstEntity();
    ASSERT_NE(first, nullptr);
    const auto& dimension = std::get<db::DimensionGeometry>(first->geometry);
    EXPECT_FALSE(first->visible);
    EXPECT_EQ(dimension.textPosition, rotated.textPosition);
    EXPECT_NEAR(dimension.rotation, 0.5, 1e-12);
    EXPECT_TRUE(dimension.userTextPosition);
    EXPECT_EQ(dimension.style, fine);
    EXPECT_EQ(dimension.scale, 1.5);
    EXPECT_EQ(dimension.textHeight, 3.5);
    const db::Entity* second = again.entityAfter(first->id);
    const auto& readAligned = std::get<db::DimensionGeometry>(second->geometry);
    EXPECT_TRUE(readAligned.aligned);
    EXPECT_EQ(readAligned.xLine2, aligned.xLine2);
    EXPECT_FALSE(readAligned.scale.has_value());
    const db::Entity* third = again.entityAfter(second->id);
    const auto& leader = std::get<db::LeaderGeometry>(third->geometry);
    EXPECT_EQ(leader.vertices.size(), 2u);
    EXPECT_EQ(leader.scale, 0.5);
    EXPECT_EQ(leader.style, fine);
    const auto& mleader = std::get<db::MLeaderGeometry>(again.entityAfter(third->id)->geometry);
    EXPECT_EQ(mleader.position, (db::Point3{3, 4, 0}));
    EXPECT_EQ(mleader.textHeight, 3.0);
}

}  // namespace
}  // namespace vexa::sim::dxf

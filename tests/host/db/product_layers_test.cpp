// The product's layer commands, called as VexaOrdo's layer windows call them.
#include "support/host_fixture.h"

namespace vexa::test {
namespace {

constexpr const wchar_t* kNewCaptions =
    L"(\"LANGTEXT\" \"New Layer\" \"Main\" \"Sublayer\" \"Main\" \"Sublayer\" \"Color\" \"Light\" \"Color\" "
    L"\"LineType\" \"New Layer\" \"Please enter the main layer name.\" \"\" \"Advance >>\" \"Advance <<\" \"OK\" "
    L"\"Cancel\")";

class ProductLayersTest : public HostTest {
protected:
    ProductLayersTest() { eval(L"(load \"" + widen(VEXA_PRODUCT_LISP) + L"\")"); }

    // A series L001 with its hidden-line sublayer and a free sublayer "^BOLT".
    void makeSeries() {
        ASSERT_EQ(eval(L"(c:Vexa-Layer-NEW-W '((0 0 \"L001\") (1 \"L001\" (195 0 0 5) \"CONTINUOUS\")"
                       L" (2 \"^HID\" (195 0 0 2) \"HIDDEN\") (3 \"\" (195 0 0 1) \"CENTER\")"
                       L" (4 \"BOLT\" (194 255 128 0) \"DASHED\") (5 \"\" (195 0 0 3) \"CONTINUOUS\")"
                       L" (6 \"\" (195 0 0 3) \"CONTINUOUS\") (7 \"\" (195 0 0 3) \"CONTINUOUS\")"
                       L" (8 \"\" (195 0 0 3) \"CONTINUOUS\")))"),
                  L"\"L001\"");
    }
    std::wstring layerNames() {
        return eval(L"(progn (setq r (tblnext \"LAYER\" T) n nil)"
                    L" (while r (setq n (cons (cdr (assoc 2 r)) n) r (tblnext \"LAYER\"))) (reverse n))");
    }
};

TEST_F(ProductLayersTest, SeriesCodeAnswersLengthsAndNineCaptionsAndRefusesAGroupWithoutSerial) {
    EXPECT_EQ(eval(L"(list (car (c:Vexa-Layer-SN)) (cadr (c:Vexa-Layer-SN)) (length (caddr (c:Vexa-Layer-SN))))"),
              L"((0 1) (1 3) 10)");
    eval(L"(c:Vexa-Layer-SN-W 2 0)");
    EXPECT_EQ(eval(L"(list (car (c:Vexa-Layer-SN)) (cadr (c:Vexa-Layer-SN)))"), L"((0 1) (1 3))");
    eval(L"(c:Vexa-Layer-SN-W 0 0)");
    EXPECT_EQ(eval(L"(list (car (c:Vexa-Layer-SN)) (cadr (c:Vexa-Layer-SN)))"), L"((0 0) (1 0))");
    EXPECT_EQ(eval(L"(cadr (car (c:Vexa-Layer-NEW \"0\")))"), L"\"1\"");
}

TEST_F(ProductLayersTest, NewProposesTheNextSerialOfTheGroupAndMakesTheSeries) {
    EXPECT_EQ(eval(L"(c:Vexa-Layer-NEW \"0\")"),
              L"((1 \"L001\" 0 (195 0 0 7) \"CONTINUOUS\") (2 \"\" 0 (195 0 0 2) \"HIDDEN\") "
              L"(3 \"\" 0 (195 0 0 1) \"CENTER\") (4 \"\" 0 (195 0 0 3) \"CONTINUOUS\") "
              L"(5 \"\" 0 (195 0 0 3) \"CONTINUOUS\") (6 \"\" 0 (195 0 0 3) \"CONTINUOUS\") "
              L"(7 \"\" 0 (195 0 0 3) \"CONTINUOUS\") (8 \"\" 0 (195 0 0 3) \"CONTINUOUS\") " +
                  std::wstring(kNewCaptions) + L")");
    makeSeries();
    EXPECT_EQ(layerNames(), L"(\"0\" \"L001\" \"L001^HID\" \"L001^BOLT\")");
    EXPECT_EQ(eval(L"(assoc 420 (tblsearch \"LAYER\" \"L001^BOLT\"))"), L"(420 . 16744448)");
    // The next proposal takes the current main layer's colour; a taken name makes nothing.
    EXPECT_EQ(eval(L"(car (c:Vexa-Layer-NEW \"L001\"))"), L"(1 \"L002\" 0 (195 0 0 5) \"CONTINUOUS\")");
    EXPECT_EQ(eval(L"(c:Vexa-Layer-NEW-W '((0 0 \"L002\") (1 \"l001\" (195 0 0 1) \"CONTINUOUS\")))"), L"nil");
    EXPECT_EQ(eval(L"(c:Vexa-Layer-NEW-W '((0 0 \"L002\") (1 \"\" (195 0 0 1) \"CONTINUOUS\")))"), L"nil");
}

TEST_F(ProductLayersTest, EditAnswersTheSeriesAndRenamesTheMainLayerWithItsSublayers) {
    makeSeries();
    eval(L"(entmake '((0 . \"LINE\") (8 . \"L001^HID\") (10 0 0 0) (11 1 0 0)))");
    EXPECT_EQ(eval(L"(c:Vexa-Layer-EDIT \"L001\")"),
              L"((1 \"L001\" 1 (195 0 0 5) \"CONTINUOUS\") (2 \"^HID\" 1 (195 0 0 2) \"HIDDEN\") "
              L"(3 \"\" 0 (195 0 0 1) \"CENTER\") (4 \"^BOLT\" 1 (194 255 128 0) \"DASHED\") "
              L"(5 \"\" 0 (195 0 0 3) \"CONTINUOUS\") (6 \"\" 0 (195 0 0 3) \"CONTINUOUS\") "
              L"(7 \"\" 0 (195 0 0 3) \"CONTINUOUS\") (8 \"\" 0 (195 0 0 3) \"CONTINUOUS\") "
              L"(\"LANGTEXT\" \"Edit Layer\" \"Main\" \"Sublayer\" \"Color\" \"Light\" \"\" \"LineType\" "
              L"\"Advance >>\" \"Advance <<\" \"OK\" \"Cancel\"))");
    EXPECT_EQ(eval(L"(c:Vexa-Layer-EDIT-W '((1 \"B007\" (195 0 0 6) \"DASHED\") (2 \"^HID\" (195 0 0 2) \"HIDDEN\")"
                   L" (3 \"^DES\" (195 0 0 1) \"CENTER\") (4 \"NUT\" (195 0 0 4) \"DASHED\")))"),
              L"\"B007\"");
    EXPECT_EQ(layerNames(), L"(\"0\" \"B007\" \"B007^HID\" \"B007^NUT\" \"B007^DES\")");
    EXPECT_EQ(eval(L"(tblsearch \"LAYER\" \"B007\")"),
              L"((0 . \"LAYER\") (2 . \"B007\") (70 . 0) (62 . 6) (6 . \"DASHED\"))");
    EXPECT_EQ(eval(L"(cdr (assoc 8 (entget (entlast))))"), L"\"B007^HID\"");
}

TEST_F(ProductLayersTest, EditRefusesANameThatAnotherSeriesHolds) {
    makeSeries();
    eval(L"(entmake '((0 . \"LAYER\") (2 . \"L009^BOLT\")))");
    eval(L"(c:Vexa-Layer-EDIT \"L001\")");
    EXPECT_EQ(eval(L"(c:Vexa-Layer-EDIT-W '((1 \"L009\" (195 0 0 6) \"CONTINUOUS\")))"), L"nil");
    EXPECT_EQ(layerNames(), L"(\"0\" \"L001\" \"L001^HID\" \"L001^BOLT\" \"L009^BOLT\")");
}

TEST_F(ProductLayersTest, PurgeKeepsLayersInUseTheirMainLayerAndTheCurrentLayer) {
    makeSeries();
    eval(L"(entmake '((0 . \"CIRCLE\") (8 . \"L001^BOLT\") (10 0 0 0) (40 . 1.0)))");
    eval(L"(entmake '((0 . \"LAYER\") (2 . \"Spare\")))");
    eval(L"(entmake '((0 . \"LAYER\") (2 . \"Work\")))");
    eval(L"(setvar \"CLAYER\" \"Work\")");
    EXPECT_EQ(eval(L"(c:Vexa-Layer-Purge)"), L"(\"L001^HID\" \"Spare\")");
    EXPECT_EQ(layerNames(), L"(\"0\" \"L001\" \"L001^BOLT\" \"Work\")");
    eval(L"(setvar \"CLAYER\" \"0\")");
}

TEST_F(ProductLayersTest, FlashColorStepsThroughColourSetsForSlotsZeroToThree) {
    EXPECT_EQ(eval(L"(c:Vexa-FlashColor 1)"), L"((0 195 0 0 7) (1 195 0 0 2) (2 195 0 0 1) (3 195 0 0 3))");
    EXPECT_EQ(eval(L"(c:Vexa-FlashColor 5)"), eval(L"(c:Vexa-FlashColor 1)"));
    EXPECT_EQ(eval(L"(car (c:Vexa-FlashColor 2))"), L"(0 195 0 0 1)");
}

}  // namespace
}  // namespace vexa::test

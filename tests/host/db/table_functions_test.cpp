// The AutoLISP table and entity functions over the drawing database.
#include "support/host_fixture.h"

namespace vexa::test {
namespace {

class TableFunctionsTest : public HostTest {
protected:
    void makeLayer(const std::wstring& name) {
        ASSERT_NE(eval(L"(entmake '((0 . \"LAYER\") (2 . \"" + name + L"\") (70 . 0) (62 . 7)))"), L"nil");
    }
};

TEST_F(TableFunctionsTest, TblnextWalksInCreationOrderAndTblsearchIgnoresCase) {
    makeLayer(L"Zeta");
    makeLayer(L"Alpha");
    EXPECT_EQ(eval(L"(list (cdr (assoc 2 (tblnext \"layer\" T))) (cdr (assoc 2 (tblnext \"LAYER\")))"
                   L"      (cdr (assoc 2 (tblnext \"LAYER\"))) (tblnext \"LAYER\"))"),
              L"(\"0\" \"Zeta\" \"Alpha\" nil)");
    EXPECT_EQ(eval(L"(tblsearch \"LAYER\" \"zeta\")"),
              L"((0 . \"LAYER\") (2 . \"Zeta\") (70 . 0) (62 . 7) (6 . \"CONTINUOUS\"))");
    // setnext: tblnext goes on after the record found.
    EXPECT_EQ(eval(L"(progn (tblsearch \"LAYER\" \"ZETA\" T) (cdr (assoc 2 (tblnext \"LAYER\"))))"), L"\"Alpha\"");
    EXPECT_EQ(eval(L"(tblsearch \"LAYER\" \"Beta\")"), L"nil");
    EXPECT_EQ(eval(L"(cdr (assoc 3 (tblsearch \"LTYPE\" \"hidden\")))"),
              L"\"Hidden __ __ __ __ __ __ __ __ __ __ __ __ __ __\"");
}

TEST_F(TableFunctionsTest, EntmakeRefusesBadLayersAndLeavesNoTrace) {
    makeLayer(L"L001");
    EXPECT_EQ(eval(L"(entmake '((0 . \"LAYER\") (2 . \"l001\") (70 . 0)))"), L"nil");
    EXPECT_EQ(eval(L"(entmake '((0 . \"LAYER\") (2 . \"A<B\") (70 . 0)))"), L"nil");
    EXPECT_EQ(eval(L"(entmake '((0 . \"LAYER\") (2 . \"\") (70 . 0)))"), L"nil");
    EXPECT_EQ(eval(L"(entmake '((0 . \"LAYER\") (2 . \"X\") (6 . \"NOSUCH\")))"), L"nil");
    EXPECT_EQ(eval(L"(entmake '((0 . \"LAYER\") (2 . \"X\") (6 . \"BYLAYER\")))"), L"nil");
    EXPECT_EQ(eval(L"(entmake '((0 . \"LAYER\") (2 . \"X\") (62 . 0)))"), L"nil");
    // A line on an unknown layer makes the layer, but not when the line itself is refused.
    EXPECT_EQ(eval(L"(entmake '((0 . \"LINE\") (8 . \"NEWLAYER\") (10 0 0 0)))"), L"nil");
    EXPECT_EQ(eval(L"(tblsearch \"LAYER\" \"NEWLAYER\")"), L"nil");
    EXPECT_NE(eval(L"(entmake '((0 . \"LINE\") (8 . \"NEWLAYER\") (10 0 0 0) (11 1 1 0)))"), L"nil");
    EXPECT_EQ(eval(L"(cdr (assoc 2 (tblsearch \"LAYER\" \"newlayer\")))"), L"\"NEWLAYER\"");
    EXPECT_EQ(host.documents().current()->database().layers().size(), 3u);
}

TEST_F(TableFunctionsTest, ColoursTrueColoursAndOffLayersRoundTrip) {
    EXPECT_NE(eval(L"(entmake '((0 . \"LAYER\") (2 . \"T\") (62 . -5) (420 . 16744448) (70 . 4)))"), L"nil");
    EXPECT_EQ(eval(L"(tblsearch \"LAYER\" \"T\")"),
              L"((0 . \"LAYER\") (2 . \"T\") (70 . 4) (62 . -5) (420 . 16744448) (6 . \"CONTINUOUS\"))");
    // A new index colour without a true colour replaces the true colour.
    EXPECT_NE(eval(L"(setq e (entget (tblobjname \"LAYER\" \"T\")))"), L"nil");
    EXPECT_NE(eval(L"(entmod (subst '(62 . 3) (assoc 62 e) (vl-remove (assoc 420 e) e)))"), L"nil");
    EXPECT_EQ(eval(L"(assoc 420 (tblsearch \"LAYER\" \"T\"))"), L"nil");
}

TEST_F(TableFunctionsTest, EntmodRenamesLayersAndEntitiesFollow) {
    makeLayer(L"L001");
    makeLayer(L"L002");
    eval(L"(entmake '((0 . \"CIRCLE\") (8 . \"L001\") (10 1 2 0) (40 . 3.5) (62 . 1)))");
    eval(L"(setq e (entget (tblobjname \"LAYER\" \"L001\")))");
    EXPECT_EQ(eval(L"(entmod (subst '(2 . \"l002\") (assoc 2 e) e))"), L"nil");
    EXPECT_NE(eval(L"(entmod (subst '(2 . \"M001\") (assoc 2 e) e))"), L"nil");
    EXPECT_EQ(eval(L"(tblsearch \"LAYER\" \"L001\")"), L"nil");
    EXPECT_EQ(eval(L"(cdr (assoc 8 (entget (entlast))))"), L"\"M001\"");
    EXPECT_EQ(eval(L"(setq z (entget (tblobjname \"LAYER\" \"0\")) z (entmod (subst '(2 . \"Zero\") (assoc 2 z) z)))"),
              L"nil");
    // An entity keeps its type; its colour and geometry change.
    EXPECT_EQ(eval(L"(entmod (subst '(0 . \"LINE\") '(0 . \"CIRCLE\") (entget (entlast))))"), L"nil");
    eval(L"(setq c (entget (entlast)) c (entmod (subst '(40 . 7.0) (assoc 40 c) c)))");
    EXPECT_EQ(eval(L"(cdr (assoc 40 (entget (entlast))))"), L"7.0");
}

TEST_F(TableFunctionsTest, PurgeRefusesLayerZeroTheCurrentLayerAndLayersInUse) {
    makeLayer(L"Used");
    makeLayer(L"Current");
    makeLayer(L"Free");
    eval(L"(setvar \"CLAYER\" \"Current\")");
    eval(L"(entmake '((0 . \"TEXT\") (8 . \"Used\") (10 0 0 0) (40 . 2.5) (1 . \"Hub\")))");
    EXPECT_EQ(eval(L"(mapcar '(lambda (n) (if (entdel (tblobjname \"LAYER\" n)) n))"
                   L"        '(\"0\" \"Current\" \"Used\" \"Free\"))"),
              L"(nil nil nil \"Free\")");
    // Erasing the text frees its layer; a second entdel would have brought it back.
    EXPECT_NE(eval(L"(entdel (entlast))"), L"nil");
    EXPECT_EQ(eval(L"(entlast)"), L"nil");
    EXPECT_NE(eval(L"(entdel (tblobjname \"LAYER\" \"Used\"))"), L"nil");
    EXPECT_EQ(eval(L"(mapcar '(lambda (n) (if (tblsearch \"LAYER\" n) n)) '(\"0\" \"Current\" \"Used\" \"Free\"))"),
              L"(\"0\" \"Current\" nil nil)");
    eval(L"(setvar \"CLAYER\" \"0\")");
}

TEST_F(TableFunctionsTest, EntitiesWalkInOrderWithTheirGroups) {
    eval(L"(entmake '((0 . \"LINE\") (10 0 0 0) (11 10 5 0) (6 . \"DASHED\")))");
    eval(L"(entmake '((0 . \"ARC\") (10 0 0 0) (40 . 2.0) (50 . 0.0) (51 . 1.5)))");
    eval(L"(entmake '((0 . \"LWPOLYLINE\") (10 0 0) (10 4 0) (10 4 3) (70 . 1)))");
    EXPECT_EQ(eval(L"(mapcar '(lambda (e) (cdr (assoc 0 (entget e))))"
                   L"        (list (entnext) (entnext (entnext)) (entlast)))"),
              L"(\"LINE\" \"ARC\" \"LWPOLYLINE\")");
    EXPECT_EQ(eval(L"(entnext (entlast))"), L"nil");
    EXPECT_EQ(eval(L"(entget (entnext))"),
              L"((-1 . <Entity name: 19>) (0 . \"LINE\") (5 . \"19\") (100 . \"AcDbEntity\") (67 . 0) (8 . \"0\") "
              L"(6 . \"DASHED\") (100 . \"AcDbLine\") (10 0.0 0.0 0.0) (11 10.0 5.0 0.0) (210 0.0 0.0 1.0))");
    EXPECT_EQ(eval(L"(progn (setq v nil) (foreach g (entget (entlast)) (if (= (car g) 10) (setq v (cons g v))))"
                   L"       (reverse v))"),
              L"((10 0.0 0.0) (10 4.0 0.0) (10 4.0 3.0))");
}

TEST_F(TableFunctionsTest, MisusedFunctionsFailCleanly) {
    EXPECT_EQ(evalError(L"(tblsearch 1 2)"), L"bad argument type: stringp 1");
    EXPECT_EQ(evalError(L"(entget \"0\")"), L"bad argument type: lentityp \"0\"");
    EXPECT_EQ(evalError(L"(entmake 5)"), L"bad argument type: listp 5");
    EXPECT_EQ(evalError(L"(tblnext)"), L"too few arguments");
    EXPECT_EQ(eval(L"(list (tblsearch \"STYLE\" \"Standard\") (entmake '(1 2)) (entmake '((0 . 5)))"
                   L"      (entmod '((-1 . 7))) (entmake '((0 . \"LAYER\") (2 . 5))) (entmake))"),
              L"(nil nil nil nil nil nil)");
}

}  // namespace
}  // namespace vexa::test

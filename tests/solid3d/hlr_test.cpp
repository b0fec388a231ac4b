// "Vexa-Hlr" and the hidden-line service behind it, on a box of known size and on real parts.
#include "acad/hlrapi.h"
#include "support/solid3d_fixture.h"

namespace {

using vexa::sim::db::Entity;

// Helpers the tests' AutoLISP uses: a line's two ends, and the distinct kinds of a list's entities.
constexpr const wchar_t* kHelpers =
    L"(defun vexa-test-line (e) (list (cdr (assoc 10 (entget e))) (cdr (assoc 11 (entget e)))))"
    L"(defun vexa-test-kinds (l / r k) (foreach e l (setq k (cdr (assoc 0 (entget e))))"
    L" (if (not (member k r)) (setq r (cons k r)))) r)";

class Hlr : public vexa::test::Solid3dTest {
protected:
    Hlr() { eval(kHelpers); }
};

constexpr const wchar_t* kParts = L"/usr/share/opencascade/data/";

vexa::sim::db::Database& database(vexa::sim::Host& host) { return host.documents().current()->database(); }

TEST_F(Hlr, BoxFrontViewHasFourVisibleEdgesAndItsBackFaceHidden) {
    eval(L"(command \"BOX\" \"0,0,0\" \"10,20,0\" \"5\") (setq box (entlast))");
    EXPECT_EQ(eval(L"(mapcar 'length (setq views (Vexa-Hlr box '(0.0 0.0 0.0) '(0.0 -1.0 0.0) 2)))"),
              L"(4 4 0 0 0)");
    // Lines in the view plane: the front face's edges, and the back face's behind them.
    for (const wchar_t* list : {L"(car views)", L"(cadr views)"}) {
        EXPECT_EQ(eval(std::wstring(L"(mapcar 'vexa-test-line ") + list + L")"),
                  L"(((0.0 0.0 0.0) (0.0 5.0 0.0)) ((10.0 0.0 0.0) (10.0 5.0 0.0)) "
                  L"((0.0 0.0 0.0) (10.0 0.0 0.0)) ((0.0 5.0 0.0) (10.0 5.0 0.0)))");
    }
    const vexa::sim::db::ObjectId byLayer = database(host).linetypes().find(L"BYLAYER")->id;
    for (const Entity* entity = database(host).firstEntity(); entity; entity = database(host).entityAfter(entity->id)) {
        EXPECT_EQ(entity->linetype, byLayer);
    }
    // Without kShowAll the service leaves hidden edges out.
    EXPECT_EQ(eval(L"(mapcar 'length (Vexa-Hlr box '(0.0 0.0 0.0) '(0.0 -1.0 0.0) 0))"), L"(4 0 0 0 0)");
}

TEST_F(Hlr, CylinderFromTheSideHasOutlinesAndFromAboveACircle) {
    eval(L"(command \"CYLINDER\" \"0,0,0\" \"4\" \"10\") (setq cylinder (entlast))");
    // Side on: the rims' near and far halves as sharp edges, the silhouettes as outlines, the
    // seam facing the eye among the other classes.
    EXPECT_EQ(eval(L"(mapcar 'length (setq side (Vexa-Hlr cylinder '(0.0 0.0 0.0) '(1.0 0.0 0.0) 2)))"),
              L"(4 2 2 0 1)");
    EXPECT_EQ(eval(L"(cdr (assoc 0 (entget (car (nth 2 side)))))"), L"\"LINE\"");
    EXPECT_EQ(eval(L"(setq top (Vexa-Hlr cylinder '(0.0 0.0 0.0) '(0.0 0.0 1.0) 2)) (cdr (assoc 0 (entget (caar top))))"),
              L"\"CIRCLE\"");
}

TEST_F(Hlr, NothingToRemoveGivesFiveEmptyLists) {
    eval(L"(command \"BOX\" \"0,0,0\" \"10,20,0\" \"5\") (setq box (entlast))");
    // A solid the service has no body for: an empty solid, as a failed modelling step leaves.
    vexa::sim::db::Entity empty = *database(host).lastEntity();
    empty.geometry = vexa::sim::db::SolidGeometry{};
    vexa::sim::db::ObjectId id = 0;
    database(host).addEntity(empty, &id);
    EXPECT_EQ(eval(L"(Vexa-Hlr (entlast) '(0.0 0.0 0.0) '(0.0 -1.0 0.0) 2)"), L"(nil nil nil nil nil)");
    EXPECT_EQ(database(host).lastEntity()->id, id);
}

TEST_F(Hlr, MalformedCallsAnswerNilAndAddNothing) {
    eval(L"(command \"BOX\" \"0,0,0\" \"10,20,0\" \"5\") (command \"LINE\" \"0,0\" \"1,1\" \"\")");
    eval(L"(setq box (entnext) line (entlast))");
    const vexa::sim::db::ObjectId last = database(host).lastEntity()->id;
    for (const wchar_t* call : {L"(Vexa-Hlr)", L"(Vexa-Hlr box)", L"(Vexa-Hlr line '(0.0 0.0 0.0) '(0.0 -1.0 0.0) 2)",
                                L"(Vexa-Hlr box \"0,0\" '(0.0 -1.0 0.0) 2)", L"(Vexa-Hlr box '(0.0 0.0 0.0) 5 2)",
                                L"(Vexa-Hlr box '(0.0 0.0 0.0) '(0.0 0.0 0.0) 2)",
                                L"(Vexa-Hlr box '(0.0 0.0 0.0) '(0.0 -1.0 0.0))",
                                L"(Vexa-Hlr box '(0.0 0.0 0.0) '(0.0 -1.0 0.0) \"2\")"}) {
        EXPECT_EQ(eval(call), L"nil") << vexa::test::narrow(call);
    }
    eval(L"(entdel box)");
    EXPECT_EQ(eval(L"(Vexa-Hlr box '(0.0 0.0 0.0) '(0.0 -1.0 0.0) 2)"), L"nil");
    EXPECT_EQ(database(host).lastEntity()->id, last);
}

TEST_F(Hlr, RefusedAppendStopsThereDeletesTheRestAndReturnsWhatWasAdded) {
    eval(L"(command \"BOX\" \"0,0,0\" \"10,20,0\" \"5\") (setq box (entlast))");
    host.faults().arm(L"appendAcDbEntity", 3);
    host.commandLine().takeNew();
    EXPECT_EQ(eval(L"(mapcar 'length (Vexa-Hlr box '(0.0 0.0 0.0) '(0.0 -1.0 0.0) 2))"), L"(2 0 0 0 0)");
    EXPECT_EQ(host.commandLine().takeNew(), L"Failed to add entity to current space.\n");
    host.faults().arm(L"getBlockTable", 1);
    EXPECT_EQ(eval(L"(Vexa-Hlr box '(0.0 0.0 0.0) '(0.0 -1.0 0.0) 2)"), L"(nil nil nil nil nil)");
}

TEST_F(Hlr, RealPartsGiveCurvesOfEveryKindInTheViewPlane) {
    type(std::wstring(kParts) + L"step/screw.step");
    eval(L"(command \"IMPORT\") (setq screw (entlast))");
    EXPECT_EQ(eval(L"(cdr (assoc 0 (entget screw)))"), L"\"3DSOLID\"");
    const std::wstring counts = eval(L"(mapcar 'length (setq iso (Vexa-Hlr screw '(0.0 0.0 0.0) '(1.0 -1.0 1.0) 2)))");
    EXPECT_EQ(counts, L"(15 12 2 2 4)");
    EXPECT_EQ(eval(L"(length (vexa-test-kinds (apply 'append iso)))"), L"3");
    EXPECT_NE(eval(L"(member \"ELLIPSE\" (vexa-test-kinds (cadr iso)))"), L"nil");
    // The polygonal mode joins the mesh's segments into polylines, and makes nothing curved.
    eval(L"(setq kinds (vexa-test-kinds (apply 'append (Vexa-Hlr screw '(0.0 0.0 0.0) '(1.0 -1.0 1.0) 16386))))");
    EXPECT_NE(eval(L"(member \"LWPOLYLINE\" kinds)"), L"nil");
    EXPECT_EQ(eval(L"(vl-remove \"LINE\" (vl-remove \"LWPOLYLINE\" kinds))"), L"nil");

    type(std::wstring(kParts) + L"occ/Pump_Nut.brep");
    eval(L"(command \"IMPORT\")");
    EXPECT_NE(eval(L"(car (Vexa-Hlr (entlast) '(0.0 0.0 0.0) '(0.0 0.0 1.0) 2))"), L"nil");
}

TEST_F(Hlr, ImportRefusesWhatItCannotRead) {
    type(L"C:\\parts\\missing.step");
    eval(L"(command \"IMPORT\")");
    EXPECT_NE(host.commandLine().transcript().find(L"Cannot find the file \"C:\\parts\\missing.step\"."), std::wstring::npos);
    EXPECT_EQ(database(host).lastEntity(), nullptr);
}

}  // namespace

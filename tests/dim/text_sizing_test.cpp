// "Vexa-adjDimTxt" in the simulated host: the feedback text and the copies follow the cursor,
// the chosen height reaches every kind of annotation, and every way out restores the drawing.
#include "acad/dbdim.h"
#include "acad/dblead.h"
#include "acad/dbmleader.h"
#include "acad/dbtext.h"
#include "frame/model_space.h"
#include "sim/fault_points.h"
#include "support/host_fixture.h"

namespace vexa::test {
namespace {

using sim::monitors::Primitive;

template <class T>
double read(const AcDbObjectId& id, double (T::*value)() const) {
    T* entity = nullptr;
    EXPECT_EQ(acdbOpenObject(entity, id, AcDb::kForRead), Acad::eOk);
    const double result = entity != nullptr ? (entity->*value)() : 0.0;
    if (entity != nullptr) entity->close();
    return result;
}

class TextSizing : public HostTest {
protected:
    void SetUp() override {
        load({"VexaDim"});
        // Four pixels a unit around the origin.
        ASSERT_TRUE(host.editor().viewports().setView(2, {0.0, 0.0}, 4.0));
        eval(L"(setvar \"LUPREC\" 2)");
    }

    AcDbObjectId add(AcDbEntity* entity) {
        AcDbObjectId id;
        EXPECT_TRUE(frame::appendToModelSpace(entity, id));
        return id;
    }
    // A horizontal dimension of (0,0)-(10,0) with its line at y = 10 and its text at (5, 10).
    AcDbObjectId dimension(bool defaultTextPosition = true) {
        auto* made = new AcDbRotatedDimension(0.0, {0, 0, 0}, {10, 0, 0}, {0, 10, 0});
        made->setTextPosition({5, 10, 0});
        if (!defaultTextPosition) made->useSetTextPosition();
        return add(made);
    }
    std::wstring name(const AcDbObjectId& id) {
        ads_name entity{0, 0};
        acdbGetAdsName(entity, id);
        return L"(handent \"" + handleOf(id) + L"\")";
    }
    static std::wstring handleOf(const AcDbObjectId& id) { return sim::db::Database::handleOf(id.asOldId()); }
    std::size_t entityCount() {
        std::size_t count = 0;
        const sim::db::Database& database = host.documents().current()->database();
        for (const sim::db::Entity* e = database.firstEntity(); e != nullptr; e = database.entityAfter(e->id))
            count += e->erased ? 0 : 1;
        return count;
    }
    std::wstring adjust(const std::wstring& records, const std::wstring& defaultHeight = L"2.5") {
        return eval(L"(Vexa-adjDimTxt \"Height: \" '(0.0 0.0 0.0) " + defaultHeight + L" (list " + records + L"))");
    }
    void move(double x, double y) { host.user().queue(sim::PromptAnswer::move({false, x, y, 0})); }
    void pick(double x, double y) { host.user().queue(sim::PromptAnswer::pick({false, x, y, 0})); }
    void during(std::function<void(sim::Host&)> check) {
        host.user().queue(sim::PromptAnswer::window(L"check", std::move(check)));
    }
    const sim::monitors::CursorFrame& lastFrame() { return host.cursor().log().last(); }
};

const Primitive* textOf(const sim::monitors::CursorFrame& frame) {
    for (const Primitive& drawn : frame.graphics) {
        if (drawn.shape == Primitive::Shape::Text) return &drawn;
    }
    return nullptr;
}

TEST_F(TextSizing, TheFeedbackShowsTheHeightAtTheCursorAndTheCopiesTakeIt) {
    const AcDbObjectId text = add(new AcDbText({0, -20, 0}, L"Note", 2.5));
    const std::size_t before = entityCount();
    std::wstring shownRight, shownLeft;
    double copyHeight = 0.0;
    move(20.0, 0.0);
    during([&](sim::Host&) {
        const Primitive* shown = textOf(lastFrame());
        ASSERT_NE(shown, nullptr);
        shownRight = shown->text;
        EXPECT_EQ(shown->color, 91);
        EXPECT_EQ(entityCount(), before + 1);
        copyHeight = read<AcDbText>(host.documents().current()->database().objectId(
                                        host.documents().current()->database().lastEntity()->id),
                                    &AcDbText::height);
    });
    move(-20.0, 0.0);
    during([&](sim::Host&) {
        ASSERT_NE(textOf(lastFrame()), nullptr);
        shownLeft = textOf(lastFrame())->text;
        // Marks of 2 pixels around the cursor and the base point.
        ASSERT_GE(lastFrame().graphics.size(), 3u);
        EXPECT_EQ(lastFrame().graphics[0].color, 141);
        EXPECT_EQ(lastFrame().graphics[0].linetype, L"CONTINUOUS");
        EXPECT_DOUBLE_EQ(lastFrame().graphics[0].radius, 0.5);
    });
    pressEnter();
    // Enter applies the default height even after the cursor moved.
    EXPECT_EQ(adjust(L"(list 4 " + name(text) + L")"), L"2.5");
    EXPECT_EQ(shownRight, L"<- 3.50 +>");
    EXPECT_EQ(shownLeft, L"<- 1.25 +>");
    EXPECT_DOUBLE_EQ(copyHeight, 3.5);
    EXPECT_DOUBLE_EQ(read<AcDbText>(text, &AcDbText::height), 2.5);
    EXPECT_EQ(entityCount(), before);
}

TEST_F(TextSizing, APickAppliesTheShownHeightToEveryKind) {
    const AcDbObjectId dim = dimension();
    const AcDbObjectId text = add(new AcDbText({0, -20, 0}, L"Note", 1.0));
    const AcDbObjectId mtext = add(new AcDbMText({0, -30, 0}, L"Notes", 1.0));
    auto* leader = new AcDbLeader;
    leader->appendVertex({0, 0, 0});
    leader->appendVertex({5, 5, 0});
    const AcDbObjectId leaderId = add(leader);
    auto* mleader = new AcDbMLeader;
    mleader->setTextHeight(2.0);
    const AcDbObjectId mleaderId = add(mleader);
    move(20.0, 5.0);
    pick(20.0, 5.0);
    EXPECT_EQ(adjust(L"(list 0 " + name(dim) + L") (list 4 " + name(text) + L") (list 5 " + name(mtext) +
                     L") (list 2 " + name(leaderId) + L") (list 3 " + name(mleaderId) + L") (list 9 " + name(text) + L")"),
              L"3.5");
    EXPECT_DOUBLE_EQ(read<AcDbDimension>(dim, &AcDbDimension::dimscale), 3.5 / 2.5);
    EXPECT_DOUBLE_EQ(read<AcDbText>(text, &AcDbText::height), 3.5);
    EXPECT_DOUBLE_EQ(read<AcDbMText>(mtext, &AcDbMText::textHeight), 3.5);
    EXPECT_DOUBLE_EQ(read<AcDbLeader>(leaderId, &AcDbLeader::dimscale), 3.5 / 2.5);
    EXPECT_DOUBLE_EQ(read<AcDbMLeader>(mleaderId, &AcDbMLeader::scale), 3.5 / 2.0);
}

TEST_F(TextSizing, AMovingDimensionKeepsItsLineAtTheSameSizeAndMovesItWithTheText) {
    const AcDbObjectId dim = dimension(false);
    const std::wstring record = L"(list 1 " + name(dim) + L" 1.0 '(0.0 1.0 0.0) 10.0 '(0.0 10.0 0.0))";
    auto place = [&] {
        AcDbRotatedDimension* opened = nullptr;
        EXPECT_EQ(acdbOpenObject(opened, dim, AcDb::kForRead), Acad::eOk);
        const std::pair result{opened->dimLinePoint(), opened->textPosition()};
        EXPECT_FALSE(opened->isUsingDefaultTextPosition());
        opened->close();
        return result;
    };
    pressEnter();
    EXPECT_EQ(adjust(record), L"2.5");
    EXPECT_EQ(place().first, AcGePoint3d(0, 10, 0));
    EXPECT_EQ(place().second, AcGePoint3d(5, 10, 0));
    // Twice the height: r = 1, so the line moves K and the text D = (T - P)·V + K = 10 further.
    type(L"50,0");
    EXPECT_EQ(adjust(record), L"5.0");
    EXPECT_EQ(place().first, AcGePoint3d(0, 20, 0));
    EXPECT_EQ(place().second, AcGePoint3d(5, 20, 0));
}

TEST_F(TextSizing, CancellingKeepsTheSizesAndEveryWayOutRestoresTheDrawing) {
    const AcDbObjectId text = add(new AcDbText({0, -20, 0}, L"Note", 2.5));
    bool hiddenDuringPrompt = false;
    move(30.0, 0.0);
    during([&](sim::Host&) {
        AcDbText* opened = nullptr;
        ASSERT_EQ(acdbOpenObject(opened, text, AcDb::kForRead), Acad::eOk);
        hiddenDuringPrompt = opened->visibility() == AcDb::kInvisible;
        opened->close();
    });
    // A source that was invisible before stays so.
    auto* hiddenNote = new AcDbText({0, -30, 0}, L"Hidden", 2.5);
    hiddenNote->setVisibility(AcDb::kInvisible);
    const AcDbObjectId hidden = add(hiddenNote);
    const std::size_t before = entityCount();
    pressEscape();
    EXPECT_EQ(adjust(L"(list 4 " + name(text) + L") (list 4 " + name(hidden) + L")"), L"nil");
    EXPECT_TRUE(hiddenDuringPrompt);
    AcDbText* stillHidden = nullptr;
    ASSERT_EQ(acdbOpenObject(stillHidden, hidden, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(stillHidden->visibility(), AcDb::kInvisible);
    stillHidden->close();
    EXPECT_EQ(entityCount(), before);
    EXPECT_DOUBLE_EQ(read<AcDbText>(text, &AcDbText::height), 2.5);
    AcDbText* opened = nullptr;
    ASSERT_EQ(acdbOpenObject(opened, text, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(opened->visibility(), AcDb::kVisible);
    opened->close();
    EXPECT_EQ(host.documents().current()->inputPoints().systemCursorDisableCount(), 0);
}

TEST_F(TextSizing, MalformedCallsReturnNilAndTouchNothing) {
    const AcDbObjectId text = add(new AcDbText({0, -20, 0}, L"Note", 2.5));
    const AcDbObjectId dim = dimension();
    const std::wstring t = name(text);
    const std::size_t before = entityCount();
    const std::vector<std::wstring> calls{
             std::wstring(L"(Vexa-adjDimTxt)"), L"(Vexa-adjDimTxt \"H\")", L"(Vexa-adjDimTxt \"H\" '(0.0 0.0 0.0) 2.5)",
             L"(Vexa-adjDimTxt \"H\" '(0.0 0.0 0.0) 2.5 nil)",
             L"(Vexa-adjDimTxt \"H\" '(0.0 0.0 0.0) 2.5 '())",
             L"(Vexa-adjDimTxt 7 '(0.0 0.0 0.0) 2.5 (list (list 4 " + t + L")))",
             L"(Vexa-adjDimTxt \"H\" \"here\" 2.5 (list (list 4 " + t + L")))",
             L"(Vexa-adjDimTxt \"H\" '(0.0 0.0 0.0) 0.0 (list (list 4 " + t + L")))",
             L"(Vexa-adjDimTxt \"H\" '(0.0 0.0 0.0) 2.5 (list (list 4)))",
             L"(Vexa-adjDimTxt \"H\" '(0.0 0.0 0.0) 2.5 (list (list \"4\" " + t + L")))",
             L"(Vexa-adjDimTxt \"H\" '(0.0 0.0 0.0) 2.5 (list (list 0 " + t + L")))",
             L"(Vexa-adjDimTxt \"H\" '(0.0 0.0 0.0) 2.5 (list (list 4 " + t + L") (list 1 " + name(dim) + L" 1.0)))",
             L"(Vexa-adjDimTxt \"H\" '(0.0 0.0 0.0) 2.5 (list (list 1 " + name(dim) +
                 L" 0.0 '(0.0 1.0 0.0) 10.0 '(0.0 10.0 0.0))))",
             L"(Vexa-adjDimTxt \"H\" '(0.0 0.0 0.0) 2.5 (list (list 4 " + t + L") 5))",
    };
    for (const std::wstring& call : calls) {
        EXPECT_EQ(eval(call), L"nil") << narrow(call);
        EXPECT_EQ(entityCount(), before) << narrow(call);
    }
    EXPECT_DOUBLE_EQ(read<AcDbText>(text, &AcDbText::height), 2.5);
}

TEST_F(TextSizing, ARefusedLockOrCopyLeavesTheDrawingAsItWas) {
    const AcDbObjectId first = add(new AcDbText({0, -20, 0}, L"One", 2.5));
    const AcDbObjectId second = add(new AcDbText({0, -30, 0}, L"Two", 2.5));
    const std::wstring records = L"(list 4 " + name(first) + L") (list 4 " + name(second) + L")";
    const std::size_t before = entityCount();
    sim::armFault(host, L"lockDocument");
    EXPECT_EQ(adjust(records), L"nil");
    EXPECT_EQ(entityCount(), before);
    // The second copy cannot join model space: the first is erased again.
    sim::armFault(host, L"appendAcDbEntity", 2);
    EXPECT_EQ(adjust(records), L"nil");
    EXPECT_EQ(entityCount(), before);
    for (const AcDbObjectId& id : {first, second}) {
        AcDbText* opened = nullptr;
        ASSERT_EQ(acdbOpenObject(opened, id, AcDb::kForRead), Acad::eOk);
        EXPECT_EQ(opened->visibility(), AcDb::kVisible);
        opened->close();
    }
}

}  // namespace
}  // namespace vexa::test

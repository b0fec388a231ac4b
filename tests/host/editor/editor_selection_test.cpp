// The simulated host's selection: methods, filters, the interactive prompt and its callbacks.
#include "acad/aced.h"
#include "acad/acedsel.h"
#include "lisp/printer.h"
#include "support/selection_fixture.h"

namespace {

using vexa::sim::PromptAnswer;

class EditorSelection : public vexa::test::SelectionTest {
protected:
    // The names of the set as AutoLISP prints them, in set order; the set is freed.
    std::vector<std::wstring> take(const ads_name set) {
        std::vector<std::wstring> names;
        Adesk_Int32 length = 0;
        EXPECT_EQ(acedSSLength(set, &length), RTNORM);
        for (Adesk_Int32 i = 0; i < length; ++i) {
            ads_name entity{0, 0};
            EXPECT_EQ(acedSSName(set, i, entity), RTNORM);
            names.push_back(vexa::sim::lisp::print(vexa::sim::lisp::makeEntityName(entity[0]), true));
        }
        EXPECT_EQ(acedSSFree(set), RTNORM);
        return names;
    }
    std::vector<std::wstring> select(const ACHAR* mode, const void* pt1 = nullptr, const void* pt2 = nullptr,
                                     const resbuf* filter = nullptr) {
        ads_name set{0, 0};
        status = acedSSGet(mode, pt1, pt2, filter, set);
        return status == RTNORM ? take(set) : std::vector<std::wstring>{};
    }
    int errno_() { return std::get<int>(*host.variable(L"ERRNO")); }

    int status = 0;
    using Names = std::vector<std::wstring>;
};

TEST_F(EditorSelection, MethodsTakeWhatLiesInsideOrCrosses) {
    const std::wstring shortLine = line(10, 10, 20, 10);
    const std::wstring ring = circle(50, 50, 5);
    const std::wstring longLine = line(100, 10, 140, 10);
    const ads_point low{5, 5, 0};
    const ads_point high{25, 15, 0};
    const ads_point middle{15, 5, 0};
    const ads_point far{60, 60, 0};
    EXPECT_EQ(select(L"W", low, high), Names{shortLine});
    EXPECT_EQ(select(L"_C", middle, far), (Names{shortLine, ring}));
    EXPECT_EQ(select(L"W", middle, far), Names{ring});

    const ads_point ringBox[] = {{40, 40, 0}, {60, 40, 0}, {60, 60, 0}, {40, 60, 0}};
    resbuf* polygon = acutBuildList(RT3DPOINT, ringBox[0], RT3DPOINT, ringBox[1], RT3DPOINT, ringBox[2], RT3DPOINT, ringBox[3], 0);
    const ads_point fenceEnds[] = {{120, 0, 0}, {120, 20, 0}};
    resbuf* fence = acutBuildList(RT3DPOINT, fenceEnds[0], RT3DPOINT, fenceEnds[1], 0);
    EXPECT_EQ(select(L"WP", polygon), Names{ring});
    EXPECT_EQ(select(L"CP", polygon), Names{ring});
    EXPECT_EQ(select(L"F", fence), Names{longLine});
    EXPECT_EQ(select(L"L"), Names{longLine});
    EXPECT_EQ(select(L"P"), Names{longLine});
    acutRelRb(polygon);
    acutRelRb(fence);

    EXPECT_EQ(select(L"-W"), Names{});
    EXPECT_EQ(status, RTERROR);
}

TEST_F(EditorSelection, FiltersTestTypeLayerAndColourWithLogicalGroups) {
    const std::wstring axis = line(0, 0, 10, 0, L"AXES");
    const std::wstring red = circle(20, 20, 2, L"0", 1);
    const std::wstring green = circle(30, 20, 2, L"0", 3);
    auto filtered = [&](resbuf* filter) {
        const Names names = select(L"X", nullptr, nullptr, filter);
        acutRelRb(filter);
        return names;
    };
    EXPECT_EQ(filtered(acutBuildList(RTDXF0, L"circle", 0)), (Names{red, green}));
    EXPECT_EQ(filtered(acutBuildList(8, L"AX*", 0)), Names{axis});
    EXPECT_EQ(filtered(acutBuildList(-4, L">=", 62, 3, 0)), (Names{axis, green}));  // ByLayer is 256
    EXPECT_EQ(filtered(acutBuildList(-4, L"<OR", 8, L"AXES", 62, 3, -4, L"OR>", 0)), (Names{axis, green}));
    EXPECT_EQ(filtered(acutBuildList(-4, L"<NOT", RTDXF0, L"LINE", -4, L"NOT>", -4, L"!=", 62, 1, 0)), Names{green});
    EXPECT_EQ(filtered(acutBuildList(-4, L"<XOR", RTDXF0, L"CIRCLE", 62, 1, -4, L"XOR>", 0)), Names{green});
    // AutoLISP's dotted pairs, as a plug-in copies them from its arguments.
    EXPECT_EQ(filtered(acutBuildList(RTLB, RTSHORT, 0, RTDOTE, RTSTR, L"LINE", RTLE, 0)), Names{axis});
    // Unbalanced groupings and unknown operators are refused.
    EXPECT_EQ(filtered(acutBuildList(-4, L"<OR", RTDXF0, L"LINE", 0)), Names{});
    EXPECT_EQ(status, RTERROR);
    EXPECT_EQ(filtered(acutBuildList(-4, L"<NOT", RTDXF0, L"LINE", 62, 1, -4, L"NOT>", 0)), Names{});
    EXPECT_EQ(filtered(acutBuildList(-4, L"~", 62, 1, 0)), Names{});
}

TEST_F(EditorSelection, APointWithoutModeIsAPickAndAMissSetsErrno7) {
    const std::wstring target = line(10, 10, 20, 10);
    const ads_point onLine{15, 10.2, 0};
    const ads_point nowhere{80, 80, 0};
    EXPECT_EQ(select(nullptr, onLine), Names{target});
    EXPECT_EQ(select(nullptr, nowhere), Names{});
    EXPECT_EQ(status, RTERROR);
    EXPECT_EQ(errno_(), vexa::sim::editor::kFailedPick);
}

TEST_F(EditorSelection, ThePromptTakesPicksAndImpliedWindowsUntilEnter) {
    const std::wstring a = line(10, 10, 20, 10);
    const std::wstring b = circle(50, 50, 5);
    const std::wstring c = line(100, 10, 140, 10);
    pick(15, 10);
    pick(15, 10);              // picked again: still once in the set
    pick(65, 65);              // nothing there: a window, dragged to the left, crossing
    pick(52, 30);
    host.user().queue(PromptAnswer::typed(L"R"));
    pick(50, 55);              // removed again
    host.user().queue(PromptAnswer::typed(L"A"));
    queue(vexa::sim::editor::windowActs({95, 5}, {145, 15}, false));
    host.user().queue(PromptAnswer::enter());
    EXPECT_EQ(select(nullptr), (Names{a, c}));
    EXPECT_NE(printed().find(L"Select objects: "), std::wstring::npos);
    EXPECT_NE(printed().find(L"Remove objects: "), std::wstring::npos);

    pressEnter();
    EXPECT_EQ(select(nullptr), Names{});
    EXPECT_EQ(status, RTERROR);
    EXPECT_EQ(errno_(), vexa::sim::editor::kNullResponse);
    pressEscape();
    EXPECT_EQ(select(nullptr), Names{});
    EXPECT_EQ(status, RTCAN);
}

TEST_F(EditorSelection, PolygonsAndFencesAtThePromptAndTypedPoints) {
    line(10, 10, 20, 10);
    const std::wstring ring = circle(50, 50, 5);
    const std::wstring crossed = line(100, 10, 140, 10);
    queue(vexa::sim::editor::pointListActs(L"CP", {{40, 40}, {60, 40}, {60, 60}}));
    type(L"F");
    pick(120, 1);
    type(L"120,20");  // a typed point serves as a pick
    pressEnter();
    pressEnter();
    EXPECT_EQ(select(nullptr), (Names{ring, crossed}));
}

TEST_F(EditorSelection, SingleSelectionEndsWithTheFirstPickThatFindsSomething) {
    const std::wstring a = line(10, 10, 20, 10);
    line(30, 10, 40, 10);
    pick(80, 80);
    pick(81, 81);  // an empty window: the prompt goes on
    pick(15, 10);
    EXPECT_EQ(select(L":S"), Names{a});
}

TEST_F(EditorSelection, KeywordsAndOtherInputReachTheirCallbacksAfterTheHostsOwnOptions) {
    static std::vector<std::wstring> heard;
    heard.clear();
    ASSERT_EQ(acedSSSetKwordCallbackPtr([](const ACHAR* text) -> resbuf* {
        heard.push_back(L"keyword " + std::wstring(text));
        return nullptr;
    }), RTNORM);
    acedSSSetOtherCallbackPtr([](const ACHAR* text) -> resbuf* {
        heard.push_back(L"other " + std::wstring(text));
        return nullptr;
    });
    const ACHAR* prompts[] = {L"Pick or [Item/Element]: ", L"Drop: "};
    type(L"el");
    type(L"Maybe 3");  // a space ends typed text as Enter does
    type(L"ITEM");
    pressEnter();
    EXPECT_EQ(select(L":$:K:?", prompts, L"Item Element _ first second"), Names{});
    EXPECT_EQ(heard, (std::vector<std::wstring>{L"keyword second", L"other Maybe", L"other 3", L"keyword first"}));
    EXPECT_NE(printed().find(L"Pick or [Item/Element]: "), std::wstring::npos);

    // Without :? other text is refused and the prompt asks again.
    type(L"nonsense");
    pressEscape();
    EXPECT_EQ(select(L":$:K", prompts, L"Item"), Names{});
    EXPECT_NE(printed().find(L"*Invalid selection*"), std::wstring::npos);
    acedSSSetKwordCallbackPtr(nullptr);
    acedSSSetOtherCallbackPtr(nullptr);
}

TEST_F(EditorSelection, ARightClickIsEnterUnlessAShortcutMenuIsDue) {
    const std::wstring a = line(10, 10, 20, 10);
    pick(15, 10);
    rightClick();
    EXPECT_EQ(select(nullptr), Names{a});
    eval(L"(setvar \"SHORTCUTMENU\" 15)");
    rightClick();
    pressEscape();
    EXPECT_EQ(select(nullptr), Names{});
    EXPECT_EQ(status, RTCAN);
}

TEST_F(EditorSelection, AtMost128SetsLiveAtOnce) {
    line(10, 10, 20, 10);
    std::vector<std::array<Adesk_Int64, 2>> sets(vexa::sim::editor::SelectionSets::kLimit);
    for (auto& set : sets) ASSERT_EQ(acedSSGet(L"X", nullptr, nullptr, nullptr, set.data()), RTNORM);
    ads_name extra{0, 0};
    EXPECT_EQ(acedSSGet(L"X", nullptr, nullptr, nullptr, extra), RTERROR);
    EXPECT_EQ(acedSSFree(sets[0].data()), RTNORM);
    EXPECT_EQ(acedSSFree(sets[0].data()), RTERROR);
    EXPECT_EQ(acedSSGet(L"X", nullptr, nullptr, nullptr, extra), RTNORM);
    EXPECT_EQ(acedSSFree(extra), RTNORM);
    for (std::size_t i = 1; i < sets.size(); ++i) acedSSFree(sets[i].data());
    // An entity name is not a set.
    const ads_name entity{0x10, 0};
    Adesk_Int32 length = 0;
    EXPECT_EQ(acedSSLength(entity, &length), RTERROR);
}

TEST_F(EditorSelection, APromptWithoutInputIsAFaultAndEndsAsEscape) {
    EXPECT_EQ(select(nullptr), Names{});
    EXPECT_EQ(status, RTCAN);
    const std::vector<std::wstring> faults = host.audit().take();
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0], L"a selection prompt found no act next: Select objects: ");
}

}  // namespace

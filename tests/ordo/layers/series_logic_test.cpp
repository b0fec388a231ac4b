// The layer series logic on its own: what the dialogs read from the product and send back.
#include <gtest/gtest.h>

#include "frame/resbuf_chain.h"
#include "lisp/printer.h"
#include "lisp/reader.h"
#include "ordo/layers/answer_items.h"
#include "ordo/layers/flash_colours.h"
#include "ordo/layers/manager_arguments.h"
#include "ordo/layers/series_code.h"
#include "ordo/layers/series_rows.h"
#include "sim/host.h"
#include "sim/lisp_bridge.h"

namespace {

using namespace vexa::ordo;

class SeriesLogic : public ::testing::Test {
protected:
    vexa::sim::HostChain chainOf(std::wstring_view text) {
        return vexa::sim::chainFromValues(vexa::sim::lisp::readAll(text));
    }
    vexa::sim::Host host;
};

TEST_F(SeriesLogic, ManagerTakesAtMostTheCountOfStringNames) {
    auto args = chainOf(L"(0 (3 \"B\" \"A\" \"C\" \"D\")) (1 \"B\") (2 5) (\"LANGTEXT\" \"Title\")");
    ManagerArguments read = readManagerArguments(args.get());
    EXPECT_EQ(read.count, 3);
    EXPECT_EQ(read.names, (std::vector<std::wstring>{L"B", L"A", L"C"}));
    EXPECT_EQ(read.mainLayer, L"B");
    EXPECT_EQ(*read.captions, std::vector<std::wstring>{L"Title"});

    args = chainOf(L"(0 (5 \"A\" 7 \"B\")) (0 (-2 \"X\"))");
    read = readManagerArguments(args.get());
    EXPECT_EQ(read.names, (std::vector<std::wstring>{L"A", L"B"}));
}

TEST_F(SeriesLogic, NegativeCountShowsNoNames) {
    auto args = chainOf(L"(0 (-2 \"X\"))");
    const ManagerArguments read = readManagerArguments(args.get());
    EXPECT_EQ(read.count, -2);
    EXPECT_TRUE(read.names.empty());
}

TEST_F(SeriesLogic, SeriesCodeReadsTaggedLengthsFromTheAnswerList) {
    auto answer = chainOf(L"((0 2) (1 3) (\"LANGTEXT\" \"Setup\") (7 9) \"x\")");
    const SeriesCode code = readSeriesCode(answer.get());
    EXPECT_EQ(code.groupLength, 2);
    EXPECT_EQ(code.serialLength, 3);
    EXPECT_EQ(code.captions->size(), 1u);
    EXPECT_TRUE(seriesCodeRefused(2, 0));
    EXPECT_FALSE(seriesCodeRefused(0, 0));
    EXPECT_FALSE(seriesCodeRefused(2, 1));
}

TEST_F(SeriesLogic, RowsStartWithEachDialogsExistsFlagsAndIgnoreRowsOutOfRange) {
    auto data = chainOf(L"((1 \"L001\" 1 (195 0 0 1) \"CONTINUOUS\") (9 \"x\" 1 (195 0 0 2) \"X\") (0 \"y\"))");
    const SeriesRows fresh = readSeriesRows(answerItems(data.get()), SeriesDialog::NewLayer);
    const SeriesRows edited = readSeriesRows(answerItems(data.get()), SeriesDialog::EditLayer);
    EXPECT_EQ(fresh.rows[1].exists, 1);
    EXPECT_EQ(fresh.rows[2].exists, 1);
    EXPECT_EQ(fresh.rows[3].exists, 0);
    EXPECT_EQ(edited.rows[1].exists, 0);
    EXPECT_EQ(edited.rows[0].name, L"L001");
    EXPECT_EQ(shownRowAtOpening(fresh, SeriesDialog::NewLayer, 5), 3);
    EXPECT_EQ(shownRowAtOpening(edited, SeriesDialog::EditLayer, 2), 2);
}

TEST_F(SeriesLogic, EditShowsAnExistingFreeSublayersOwnColour) {
    auto data = chainOf(L"((5 \"-A\" 1 (195 0 0 4) \"DASHED\"))");
    const SeriesRows edited = readSeriesRows(answerItems(data.get()), SeriesDialog::EditLayer);
    EXPECT_EQ(shownRowAtOpening(edited, SeriesDialog::EditLayer, 5), 5);
    EXPECT_EQ(shownRowAtOpening(edited, SeriesDialog::EditLayer, 6), 3);
}

TEST_F(SeriesLogic, RowsSentKeepTheExactListForm) {
    std::array<vexa::frame::LayerRow, kSeriesRows> rows{};
    for (int i = 0; i < kSeriesRows; ++i) rows[i] = {static_cast<short>(i + 1), L"", 0, {195, 0, 0, 7}, L"CONTINUOUS"};
    rows[0].name = L"L002";
    rows[1].name = L"^HID";
    vexa::frame::ListBuilder list;
    appendRowsSent(list, rows, SeriesDialog::NewLayer, L"L001");
    const std::wstring sent = vexa::sim::lisp::print(vexa::sim::valueFromResult(list.chain()), true);
    EXPECT_EQ(sent.substr(0, 85),
              L"((0 0 \"L001\") (1 \"L002\" (195 0 0 7) \"CONTINUOUS\") (2 \"^HID\" (195 0 0 7) \"CONTINUOUS\")");
    vexa::frame::ListBuilder edit;
    appendRowsSent(edit, rows, SeriesDialog::EditLayer, L"L001");
    EXPECT_EQ(vexa::sim::lisp::print(vexa::sim::valueFromResult(edit.chain()), true).substr(0, 12), L"((1 \"L002\" (");
}

TEST_F(SeriesLogic, FlashColoursKeepSlotsTheAnswerDoesNotName) {
    FlashColourSlots slots{0, 0, 0, 0};
    auto first = chainOf(L"((0 a b c 1) (1 a b c 2) (2 a b c 3) (7 a b c 9))");
    readFlashColours(first.get(), slots);
    auto second = chainOf(L"((1 0 0 0 5) (2 0 0))");
    readFlashColours(second.get(), slots);
    EXPECT_EQ(slots, (FlashColourSlots{1, 5, 3, 0}));
}

}  // namespace

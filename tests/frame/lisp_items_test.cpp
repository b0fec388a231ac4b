// Reading the argument conventions of the product's calls from chains as the host passes them.
#include <gtest/gtest.h>

#include "frame/lisp_items.h"
#include "lisp/reader.h"
#include "sim/lisp_bridge.h"

namespace {

using namespace vexa::frame;

vexa::sim::HostChain chainOf(std::wstring_view text) {
    return vexa::sim::chainFromValues(vexa::sim::lisp::readAll(text));
}

std::vector<std::wstring> captionsOf(std::wstring_view text, std::size_t slots) {
    auto chain = chainOf(text);
    return readCaptions(elementsOf(chain.get()).front().children(), slots);
}

TEST(CaptionLists, SkipTheTagAndFillSlotsWhileStringsFollow) {
    EXPECT_EQ(captionsOf(L"(\"LANGTEXT\" \"a\" \"b\" \"c\")", 2), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(captionsOf(L"(\"LANGTEXT\" \"a\")", 9), (std::vector<std::wstring>{L"a"}));
    EXPECT_EQ(captionsOf(L"(\"LANGTEXT\" \"a\" 5 \"b\")", 9), (std::vector<std::wstring>{L"a"}));
    EXPECT_TRUE(captionsOf(L"(\"LANGTEXT\")", 9).empty());
}

TEST(CodedArguments, TakeTwoElementOptionsAndTheFirstCaptionList) {
    auto chain = chainOf(L"(1 3) (2 70000) (3 . 4) (4 5 6) \"loose\" (\"T\" \"A\") (\"U\" \"B\") (5 \"x\")");
    const CodedArguments read = readCodedArguments(chain.get(), 16);
    ASSERT_EQ(read.options.size(), 3u);
    EXPECT_EQ(read.options[0].code, 1);
    EXPECT_EQ(read.options[0].value.integer(), 3);
    // A 32-bit integer is read as its low 16 bits, as the host's short would hold it.
    EXPECT_EQ(read.options[1].value.integer(), static_cast<short>(70000));
    EXPECT_STREQ(read.options[2].value.string(), L"x");
    ASSERT_TRUE(read.captions.has_value());
    EXPECT_EQ(*read.captions, std::vector<std::wstring>{L"A"});
}

TEST(CodedArguments, RealValuesAcceptIntegers) {
    auto chain = chainOf(L"(1 5) (1 2.5) (1 \"5\")");
    const CodedArguments read = readCodedArguments(chain.get(), 0);
    EXPECT_EQ(read.options[0].value.real(), 5.0);
    EXPECT_EQ(read.options[1].value.real(), 2.5);
    EXPECT_FALSE(read.options[2].value.real().has_value());
}

TEST(LayerRows, ReadWithAndWithoutExistsAndStopWhereTheListEnds) {
    auto chain = chainOf(L"(2 \"^HID\" 1 (195 0 0 5) \"HIDDEN\") (1 \"MAIN\" (194 255 128 0) \"CONTINUOUS\") (3 \"^DES\")");
    const std::vector<Element> items = elementsOf(chain.get());
    const auto hidden = readLayerRow(items[0], true);
    ASSERT_TRUE(hidden);
    EXPECT_EQ(hidden->row, 2);
    EXPECT_EQ(hidden->name, L"^HID");
    EXPECT_EQ(hidden->exists, 1);
    EXPECT_EQ(hidden->colour.method, 195);
    EXPECT_EQ(hidden->colour.blue, 5);
    EXPECT_EQ(hidden->linetype, L"HIDDEN");
    const auto main = readLayerRow(items[1], false);
    ASSERT_TRUE(main);
    EXPECT_EQ(main->colour.green, 128);
    EXPECT_EQ(main->linetype, L"CONTINUOUS");
    const auto shortRow = readLayerRow(items[2], true);
    ASSERT_TRUE(shortRow);
    EXPECT_EQ(shortRow->exists, 0);
    EXPECT_EQ(shortRow->colour.method, 0);
    EXPECT_TRUE(shortRow->linetype.empty());
}

TEST(Elements, UnclosedListsEndAtTheChainsEnd) {
    auto chain = chainOf(L"(1 (2 3))");
    // Drop the final list end, as a truncated chain would arrive.
    resbuf* last = chain.get();
    while (last->rbnext->rbnext != nullptr) last = last->rbnext;
    vexa::sim::freeNode(last->rbnext);
    last->rbnext = nullptr;
    const std::vector<Element> items = elementsOf(chain.get());
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].children().size(), 2u);
}

}  // namespace

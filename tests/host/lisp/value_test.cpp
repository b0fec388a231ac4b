#include <gtest/gtest.h>

#include "lisp/equality.h"
#include "lisp/lisp_error.h"
#include "lisp/list_sort.h"
#include "lisp/printer.h"
#include "lisp/value.h"
#include "lisp/wildcard.h"

namespace vexa::sim::lisp {
namespace {

TEST(Value, ListConversionRejectsImproperLists) {
    const ValuePtr proper = makeList({makeInteger(1), makeInteger(2)});
    EXPECT_EQ(listToVector(proper).size(), 2U);
    EXPECT_TRUE(listToVector(nullptr).empty());
    try {
        listToVector(makeList({makeInteger(1)}, makeInteger(2)));
        FAIL() << "expected an error";
    } catch (const LispError& e) {
        EXPECT_EQ(e.message(), L"bad argument type: listp (1 . 2)");
    }
    EXPECT_THROW(listToVector(makeString(L"x")), LispError);
    EXPECT_EQ(std::string(LispError(L"caf\u00e9").what()), "caf?");
}

TEST(Value, SymbolsAreCaseInsensitive) {
    EXPECT_EQ(makeSymbol(L"MixedCase")->symbolName(), L"MIXEDCASE");
    EXPECT_TRUE(valuesEq(makeSymbol(L"abc"), makeSymbol(L"ABC")));
    EXPECT_TRUE(isSymbolNamed(trueValue(), L"T"));
    EXPECT_EQ(boolValue(false), nullptr);
}

TEST(Equality, EqVersusEqual) {
    EXPECT_TRUE(valuesEq(makeInteger(5), makeInteger(5)));
    EXPECT_FALSE(valuesEq(makeString(L"a"), makeString(L"a")));
    EXPECT_TRUE(valuesEqual(makeString(L"a"), makeString(L"a")));
    EXPECT_TRUE(valuesEqual(makeInteger(1), makeReal(1.0)));
    EXPECT_FALSE(valuesEqual(makeInteger(1), makeString(L"1")));
    EXPECT_TRUE(valuesEqual(makeEntityName(7), makeEntityName(7)));
    EXPECT_FALSE(valuesEqual(makeList({makeInteger(1)}), makeList({makeInteger(1)}, makeInteger(2))));
    EXPECT_TRUE(valuesEqual(makeReal(1.0), makeReal(1.0001), 0.001));
    EXPECT_FALSE(valuesEqual(makeReal(1.0), makeReal(1.01), 0.001));
}

std::vector<ValuePtr> keyedItems(std::initializer_list<int> keys) {
    std::vector<ValuePtr> items;
    int tag = 0;
    for (int key : keys) {
        items.push_back(makeCons(makeInteger(key), makeInteger(tag++)));
    }
    return items;
}

bool byKey(const ValuePtr& a, const ValuePtr& b) { return a->cons().car->integer() < b->cons().car->integer(); }

TEST(ListSort, StableAndSafeWithBadPredicates) {
    std::vector<ValuePtr> items = keyedItems({3, 1, 2, 1, 3, 0});
    sortWithPredicate(items, byKey);
    EXPECT_EQ(print(makeList(items), true), L"((0 . 5) (1 . 1) (1 . 3) (2 . 2) (3 . 0) (3 . 4))");

    std::vector<ValuePtr> chaotic = keyedItems({4, 8, 1, 9, 2, 7, 3});
    sortWithPredicate(chaotic, [](const ValuePtr&, const ValuePtr&) { return true; });
    ASSERT_EQ(chaotic.size(), 7U);
    int tagSum = 0;
    for (const ValuePtr& item : chaotic) {
        tagSum += item->cons().cdr->integer();
    }
    EXPECT_EQ(tagSum, 0 + 1 + 2 + 3 + 4 + 5 + 6);  // a permutation: nothing lost or duplicated

    std::vector<ValuePtr> failing = keyedItems({2, 1});
    EXPECT_THROW(sortWithPredicate(failing, [](const ValuePtr&, const ValuePtr&) -> bool { throw LispError(L"x"); }),
                 LispError);
}

TEST(Wildcard, SingleCharacterClasses) {
    EXPECT_TRUE(wildcardMatch(L"A7", L"@#"));
    EXPECT_FALSE(wildcardMatch(L"77", L"@#"));
    EXPECT_TRUE(wildcardMatch(L"a b", L"a.b"));
    EXPECT_FALSE(wildcardMatch(L"axb", L"a.b"));
    EXPECT_TRUE(wildcardMatch(L"", L"*"));
    EXPECT_FALSE(wildcardMatch(L"", L"?"));
    EXPECT_TRUE(wildcardMatch(L"abc", L"a*c"));
    EXPECT_TRUE(wildcardMatch(L"ac", L"a*c"));
    EXPECT_FALSE(wildcardMatch(L"abcd", L"a*c"));
}

TEST(Wildcard, SetsEscapesAndAlternatives) {
    EXPECT_TRUE(wildcardMatch(L"b", L"[a-c]"));
    EXPECT_TRUE(wildcardMatch(L"-", L"[a-]"));
    EXPECT_FALSE(wildcardMatch(L"x", L"[a-c]"));
    EXPECT_TRUE(wildcardMatch(L"x", L"[~a-c]"));
    EXPECT_TRUE(wildcardMatch(L"[", L"["));  // an unclosed set is a literal bracket
    EXPECT_TRUE(wildcardMatch(L"#", L"`#"));
    EXPECT_FALSE(wildcardMatch(L"5", L"`#"));
    EXPECT_TRUE(wildcardMatch(L"a,b", L"a`,b"));
    EXPECT_TRUE(wildcardMatch(L",", L"[,]"));
    EXPECT_TRUE(wildcardMatch(L"DIM", L"LINE,ARC,DIM*"));
    EXPECT_FALSE(wildcardMatch(L"CIRCLE", L"LINE,ARC,DIM*"));
    EXPECT_TRUE(wildcardMatch(L"CIRCLE", L"~LINE"));
    EXPECT_FALSE(wildcardMatch(L"LINE", L"~LINE"));
}

TEST(Wildcard, PathologicalPatternsStayFast) {
    const std::wstring text(20000, L'a');
    std::wstring pattern;
    for (int i = 0; i < 2000; ++i) {
        pattern += L"*a";
    }
    EXPECT_FALSE(wildcardMatch(text, pattern + L"b"));
    EXPECT_TRUE(wildcardMatch(text, pattern));
}

}  // namespace
}  // namespace vexa::sim::lisp

#include <gtest/gtest.h>

#include <string>

#include "lisp/lisp_error.h"
#include "lisp/printer.h"
#include "lisp/reader.h"

namespace vexa::sim::lisp {
namespace {

// Reads one form and prints it back in prin1 form, or "error: <message>".
std::wstring reprint(std::wstring_view text) {
    try {
        return print(readFirst(text), true);
    } catch (const LispError& e) {
        return L"error: " + e.message();
    }
}

TEST(Reader, Numbers) {
    EXPECT_EQ(reprint(L"42"), L"42");
    EXPECT_EQ(reprint(L"-7"), L"-7");
    EXPECT_EQ(reprint(L"+7"), L"7");
    EXPECT_EQ(reprint(L"2147483647"), L"2147483647");
    EXPECT_EQ(reprint(L"-2147483648"), L"-2147483648");
    EXPECT_EQ(reprint(L"2147483648"), L"2.14748e+09");  // out of 32-bit range reads as a real
    EXPECT_EQ(reprint(L"99999999999999999999999"), L"1.0e+23");
    EXPECT_EQ(reprint(L"1.5"), L"1.5");
    EXPECT_EQ(reprint(L"-2."), L"-2.0");
    EXPECT_EQ(reprint(L".5"), L"0.5");
    EXPECT_EQ(reprint(L"1e3"), L"1000.0");
    EXPECT_EQ(reprint(L"1.5E-2"), L"0.015");
}

TEST(Reader, SymbolsAreUppercasedAndNumberLookalikesStaySymbols) {
    EXPECT_EQ(reprint(L"foo"), L"FOO");
    EXPECT_EQ(reprint(L"c:MyCmd"), L"C:MYCMD");
    EXPECT_EQ(reprint(L"1+"), L"1+");
    EXPECT_EQ(reprint(L"1e"), L"1E");
    EXPECT_EQ(reprint(L"-"), L"-");
    EXPECT_EQ(reprint(L"nil"), L"nil");
    EXPECT_EQ(reprint(L"NIL"), L"nil");
    EXPECT_EQ(reprint(L"t"), L"T");
}

TEST(Reader, StringsAndEscapes) {
    EXPECT_EQ(reprint(LR"("a\"b\\c")"), LR"("a\"b\\c")");
    EXPECT_EQ(print(readFirst(LR"("x\ny\tz\e")"), false), L"x\ny\tz\x1b");
    EXPECT_EQ(print(readFirst(LR"("\101\102")"), false), L"AB");
    EXPECT_EQ(print(readFirst(LR"("\q")"), false), L"q");
    EXPECT_EQ(reprint(LR"("\001")"), LR"("\001")");
    EXPECT_EQ(reprint(L"\"multi\nline\""), LR"("multi\nline")");
}

TEST(Reader, ListsQuotesAndComments) {
    EXPECT_EQ(reprint(L"(1 2 (3 \"x\") sym)"), L"(1 2 (3 \"x\") SYM)");
    EXPECT_EQ(reprint(L"()"), L"nil");
    EXPECT_EQ(reprint(L"(1 . 2)"), L"(1 . 2)");
    EXPECT_EQ(reprint(L"(1 2 . 3)"), L"(1 2 . 3)");
    EXPECT_EQ(reprint(L"(1 . (2 3))"), L"(1 2 3)");
    EXPECT_EQ(reprint(L"(a .5)"), L"(A 0.5)");
    EXPECT_EQ(reprint(L"'x"), L"(QUOTE X)");
    EXPECT_EQ(reprint(L"'(1 'b)"), L"(QUOTE (1 (QUOTE B)))");
    EXPECT_EQ(reprint(L"; line comment\n(1 ;| block\n comment |; 2)"), L"(1 2)");
    EXPECT_EQ(reprint(L""), L"nil");
    EXPECT_EQ(readAll(L"1 (2) \"3\" ; tail").size(), 3U);
}

TEST(Reader, MalformedInputIsAnError) {
    EXPECT_EQ(reprint(L"(1 2"), L"error: malformed list on input");
    EXPECT_EQ(reprint(L"( . 2)"), L"error: malformed list on input");
    EXPECT_EQ(reprint(L"(1 . 2 3)"), L"error: malformed list on input");
    EXPECT_EQ(reprint(L"(1 . )"), L"error: malformed list on input");
    EXPECT_EQ(reprint(L"'"), L"error: malformed list on input");
    EXPECT_EQ(reprint(L"\"open"), L"error: malformed string on input");
    EXPECT_EQ(reprint(L")"), L"error: extra right paren on input");
}

TEST(Reader, DeepNestingIsRefusedNotOverflowed) {
    const std::wstring deep = std::wstring(100000, L'(') + std::wstring(100000, L')');
    EXPECT_EQ(reprint(deep), L"error: internal stack limit reached (simulated)");
    const std::wstring quotes = std::wstring(100000, L'\'') + L"x";
    EXPECT_EQ(reprint(quotes), L"error: internal stack limit reached (simulated)");
    const std::wstring fine = std::wstring(500, L'(') + std::wstring(500, L')');
    EXPECT_EQ(reprint(fine), std::wstring(499, L'(') + L"nil" + std::wstring(499, L')'));
}

TEST(Printer, RealsLikeAutoLisp) {
    EXPECT_EQ(formatReal(1.0), L"1.0");
    EXPECT_EQ(formatReal(0.5), L"0.5");
    EXPECT_EQ(formatReal(2.25), L"2.25");
    EXPECT_EQ(formatReal(3.14159265), L"3.14159");
    EXPECT_EQ(formatReal(1e20), L"1.0e+20");
    EXPECT_EQ(formatReal(1.5e-7), L"1.5e-07");
    EXPECT_EQ(formatReal(100000.0), L"100000.0");
    EXPECT_EQ(formatReal(-12.5), L"-12.5");
}

TEST(Printer, AtomsAndPrincForm) {
    EXPECT_EQ(print(makeEntityName(0x1f0a), true), L"<Entity name: 1f0a>");
    EXPECT_EQ(print(makeString(L"a\"b"), false), L"a\"b");
    EXPECT_EQ(print(makeList({makeString(L"s"), makeReal(2.0)}), false), L"(s 2.0)");
    EXPECT_EQ(print(makeList({makeInteger(1)}, makeString(L"t")), true), L"(1 . \"t\")");
    EXPECT_EQ(print(makeSymbol(L"abc"), true), L"ABC");
}

TEST(Printer, HugeStructuresNeitherOverflowNorLeak) {
    ValuePtr nested;
    for (int i = 0; i < 50000; ++i) {
        nested = makeList({nested});
    }
    const std::wstring text = print(nested, true);
    EXPECT_EQ(text.size(), 50000U * 2 + 3);
    EXPECT_EQ(text.substr(49998, 6), L"((nil)");

    std::vector<ValuePtr> items(100000, makeInteger(1));
    EXPECT_EQ(print(makeList(items), true).size(), 100000U * 2 + 1);
}

}  // namespace
}  // namespace vexa::sim::lisp

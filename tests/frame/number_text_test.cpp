// The number-text check of the dialogs' number fields, without a window.
#include <gtest/gtest.h>

#include "frame/number_text.h"

namespace {

using vexa::frame::isNumberText;
using vexa::frame::leadingNumber;
using vexa::frame::NumberTextField;

TEST(NumberText, DigitsOnePointAndALeadingPlus) {
    for (const wchar_t* accepted : {L"", L"0", L"2.5", L".5", L"5.", L"+", L"+3.25", L"007"}) {
        EXPECT_TRUE(isNumberText(accepted)) << accepted;
    }
    for (const wchar_t* rejected : {L"-1", L"1.2.3", L"3+", L"++1", L"1e5", L" 1", L"1 ", L"a", L"1,5"}) {
        EXPECT_FALSE(isNumberText(rejected)) << rejected;
    }
}

TEST(NumberText, LeadingNumberIsZeroWithoutOne) {
    EXPECT_DOUBLE_EQ(leadingNumber(L"2.5"), 2.5);
    EXPECT_DOUBLE_EQ(leadingNumber(L"+4"), 4.0);
    EXPECT_DOUBLE_EQ(leadingNumber(L"5."), 5.0);
    EXPECT_DOUBLE_EQ(leadingNumber(L""), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber(L"+"), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber(L"."), 0.0);
}

TEST(NumberText, RejectedChangeGoesBackWithTheCaretOneBackNeverBeforeTheStart) {
    NumberTextField field(L"1.5");
    EXPECT_FALSE(field.change(L"1.52", 4, 4));
    EXPECT_EQ(field.text(), L"1.52");
    const auto undo = field.change(L"1.5.2", 4, 4);
    ASSERT_TRUE(undo);
    EXPECT_EQ(undo->text, L"1.52");
    EXPECT_EQ(undo->start, 3);
    EXPECT_EQ(undo->end, 3);
    EXPECT_EQ(field.text(), L"1.52");

    NumberTextField empty;
    const auto first = empty.change(L"-", 1, 1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->start, 0);
    // A change that left the caret at the start (a paste over everything) stays at 0, not -1.
    const auto atStart = empty.change(L"x", 0, 0);
    ASSERT_TRUE(atStart);
    EXPECT_EQ(atStart->start, 0);
    EXPECT_EQ(atStart->end, 0);
}

}  // namespace

// The plain rules of the live dimensioning aids: heights from the cursor, the feedback text,
// where a line-end drag puts the cursor, and which end moves after the ends swap.
#include <gtest/gtest.h>

#include "dim/line_end_drag/cursor_start.h"
#include "dim/line_end_drag/end_selector.h"
#include "dim/text_sizing/height_feedback.h"

namespace {

using vexa::dim::cursorStart;

TEST(TextHeight, GrowsToTheRightAndShrinksToTheLeftWithoutReachingZero) {
    const std::wstring format = vexa::dim::numberFormat(2);
    EXPECT_EQ(vexa::dim::feedbackText(vexa::dim::heightAt(2.5, 20.0), format), L"<- 3.50 +>");
    EXPECT_EQ(vexa::dim::feedbackText(vexa::dim::heightAt(2.5, -20.0), format), L"<- 1.25 +>");
    EXPECT_DOUBLE_EQ(vexa::dim::heightAt(2.5, 0.0), 2.5);
    EXPECT_GT(vexa::dim::heightAt(2.5, -1e12), 0.0);
    EXPECT_EQ(vexa::dim::feedbackText(1.0, vexa::dim::numberFormat(0)), L"<- 1 +>");
    // Precision beyond the host's range is held to it; huge heights still print whole.
    EXPECT_EQ(vexa::dim::numberFormat(-3), L"%.0f");
    EXPECT_EQ(vexa::dim::numberFormat(40), L"%.8f");
    EXPECT_EQ(vexa::dim::feedbackText(1e300, vexa::dim::numberFormat(8)).size(), 301u + 9u + 6u);
}

TEST(CursorStart, StaysOnTheMovingEndWellInsideTheView) {
    EXPECT_EQ(cursorStart(CPoint(10, 10), CPoint(50, 60), 100, 80).x, 50);
    EXPECT_EQ(cursorStart(CPoint(10, 10), CPoint(50, 60), 100, 80).y, 60);
}

TEST(CursorStart, GoesWhereTheLineLeavesTheView) {
    // Leaving through the right edge at x = 100, halfway up the segment.
    const CPoint right = cursorStart(CPoint(50, 40), CPoint(150, 41), 100, 80);
    EXPECT_EQ(right.x, 100);
    EXPECT_EQ(right.y, 40);  // 40.5 truncated
    // Below the view: 3 pixels short of the bottom edge is already outside.
    const CPoint bottom = cursorStart(CPoint(50, 40), CPoint(50, 78), 100, 80);
    EXPECT_EQ(bottom.x, 50);
    EXPECT_EQ(bottom.y, 78);  // crosses no edge: the segment ends before y = 80
    const CPoint below = cursorStart(CPoint(50, 40), CPoint(50, 200), 100, 80);
    EXPECT_EQ(below.y, 80);
    // The top edge is tried first, so a corner-crossing segment lands on it.
    const CPoint corner = cursorStart(CPoint(50, 50), CPoint(-50, -50), 100, 80);
    EXPECT_EQ(corner.x, 3);
    EXPECT_EQ(corner.y, 3);
}

TEST(CursorStart, KeepsTheMovingEndWhenTheWholeLineIsOutside) {
    const CPoint outside = cursorStart(CPoint(200, 200), CPoint(300, 250), 100, 80);
    EXPECT_EQ(outside.x, 300);
    EXPECT_EQ(outside.y, 250);
}

TEST(EndSelector, NamesTheEndThatMovesAfterASwap) {
    EXPECT_EQ(vexa::dim::swappedSelector(1), -1);
    EXPECT_EQ(vexa::dim::swappedSelector(-1), 1);
    EXPECT_EQ(vexa::dim::swappedSelector(0), 1);
    EXPECT_EQ(vexa::dim::swappedSelector(3), -3);
    EXPECT_EQ(vexa::dim::swappedSelector(-32768), 32767);
}

}  // namespace

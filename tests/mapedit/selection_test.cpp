#include "mapedit/selection.h"

#include <gtest/gtest.h>

namespace {

TSel cells(std::initializer_list<std::pair<int, int>> items) {
    TSel s;
    ClearSelection(s);
    for (auto [x, y] : items) *s.mark(x, y) = kMarkGesture;
    s.Mode = skCells | smHeld;
    AnalyseSelection(s);
    return s;
}

} // namespace

TEST(AnalyseSelection, TwoByTwoIsNotInterpolableButThreeByOneIs) {
    TSel square = cells({{0, 0}, {1, 0}, {0, 1}, {1, 1}});
    EXPECT_EQ(square.Count, 4);
    EXPECT_FALSE(square.IsRect);
    TSel row = cells({{2, 4}, {3, 4}, {4, 4}});
    ASSERT_TRUE(row.IsRect);
    EXPECT_EQ(row.X1, 2);
    EXPECT_EQ(row.X2, 4);
    EXPECT_EQ(row.Y1, 4);
    EXPECT_EQ(row.Y2, 4);
    EXPECT_EQ(row.markAt(2, 4), kMarkSelected | kMarkCorner);
    EXPECT_EQ(row.markAt(3, 4), kMarkSelected);
    EXPECT_EQ(row.Kind, skCells);
    EXPECT_EQ(row.Mode, 0);
}

TEST(AnalyseSelection, GapsAndRaggedShapesAreNotRectangles) {
    EXPECT_FALSE(cells({{0, 0}, {2, 0}, {3, 0}}).IsRect);
    EXPECT_FALSE(cells({{0, 0}, {1, 0}, {2, 0}, {0, 1}}).IsRect);
    EXPECT_TRUE(cells({{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}}).IsRect);
}

TEST(AnalyseSelection, StaleCornersAreClearedOnReanalysis) {
    TSel s = cells({{0, 0}, {0, 1}, {0, 2}});
    *s.mark(1, 1) = kMarkSelected;
    AnalyseSelection(s);
    EXPECT_FALSE(s.IsRect);
    EXPECT_EQ(s.markAt(0, 0), kMarkSelected);
    EXPECT_EQ(s.Count, 4);
}

TEST(SelectItem, XHeaderCell) {
    TSel s;
    SelectItem(s, 4, -1);
    EXPECT_EQ(s.Kind, skXHeader);
    EXPECT_EQ(s.Count, 1);
    EXPECT_FALSE(s.IsRect);
    EXPECT_EQ(s.MinX, 4);
    EXPECT_EQ(s.MinY, -1);
    EXPECT_EQ(s.CursorX, 4);
    EXPECT_EQ(s.RangeY, -1);
}

TEST(SelectRange, HeaderRunOfThreeIsARectangleWithCornerEnds) {
    TSel s;
    SelectItem(s, 1, -1);
    SelectRange(s, 3, 5); // the cursor's header row keeps the range on the header
    EXPECT_EQ(s.Kind, skXHeader);
    EXPECT_EQ(s.Count, 3);
    ASSERT_TRUE(s.IsRect);
    EXPECT_EQ(s.Y1, -1);
    EXPECT_EQ(s.Y2, -1);
    EXPECT_EQ(s.markAt(1, -1), kMarkSelected | kMarkCorner);
    EXPECT_EQ(s.markAt(2, -1), kMarkSelected);
    EXPECT_EQ(s.markAt(3, -1), kMarkSelected | kMarkCorner);
    EXPECT_EQ(s.CursorX, 1); // cursor kept
}

TEST(SelectRange, CellRangeAndYHeaderRun) {
    TSel s;
    SelectItem(s, 2, 3);
    SelectRange(s, 0, -1); // a header range coordinate becomes 0 from a cell cursor
    EXPECT_EQ(s.Count, 12);
    EXPECT_EQ(s.MinX, 0);
    EXPECT_EQ(s.MinY, 0);
    EXPECT_EQ(s.MaxX, 2);
    EXPECT_EQ(s.MaxY, 3);
    SelectItem(s, -1, 2);
    SelectRange(s, 7, 0);
    EXPECT_EQ(s.Kind, skYHeader);
    EXPECT_EQ(s.Count, 3);
    EXPECT_TRUE(s.IsRect);
    EXPECT_EQ(s.X1, -1);
}

TEST(ClearSelection, KeepsCursorAndRange) {
    TSel s;
    SelectItem(s, 2, 3);
    ClearSelection(s);
    EXPECT_EQ(s.Count, 0);
    EXPECT_EQ(s.Kind, skNone);
    EXPECT_EQ(s.MinX, -2);
    EXPECT_EQ(s.CursorX, 2);
    EXPECT_EQ(s.CursorY, 3);
}

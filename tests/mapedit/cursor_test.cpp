#include "editor_sheets.h"
#include "mapedit/cursor.h"

#include <gtest/gtest.h>

namespace {

struct Cursor : testing::Test {
    EditorFixture f{DefineAdvanceSheet}; // 10 columns x 10 rows, Y not collapsed
    void at(int x, int y) { SelectItem(f.sheet().Sel, x, y); }
    std::pair<int, int> pos() { return {f.sheet().Sel.MinX, f.sheet().Sel.MinY}; }
};

} // namespace

TEST_F(Cursor, RelativeMovesWrapThroughTheHeaders) {
    struct {
        int x, y, dx, dy, wantX, wantY;
    } cases[] = {
        {0, 0, -1, 0, -1, 0},  // cell to its Y header cell
        {-1, 0, -1, 0, 9, 0},  // past the header to the last column
        {9, 4, 1, 0, -1, 4},   // past the last column to the header
        {0, -1, -1, 0, 9, -1}, // in the X header row the lower limit is column 0
        {9, -1, 1, 0, 0, -1},  //
        {2, 0, 0, -1, 2, -1},  // up into the X header row
        {2, -1, 0, -1, 2, 9},  // past it to the last row
        {-1, 0, 0, -1, -1, 9}, // in the Y header column the lower limit is row 0
        {3, 9, 0, 1, 3, -1},   //
    };
    for (auto c : cases) {
        at(c.x, c.y);
        MoveCursor(f.m, c.dx, c.dy, false);
        EXPECT_EQ(pos(), std::make_pair(c.wantX, c.wantY)) << c.x << "," << c.y;
        EXPECT_EQ(f.sheet().Sel.Count, 1);
    }
}

TEST_F(Cursor, NothingMovesWithoutSelectionUnlessBothMovesAreAbsolute) {
    ClearSelection(f.sheet().Sel);
    MoveCursor(f.m, 1, 0, false);
    EXPECT_EQ(f.sheet().Sel.Count, 0);
    MoveCursor(f.m, AbsoluteMove(0), 0, false);
    EXPECT_EQ(f.sheet().Sel.Count, 0);
    MoveCursor(f.m, AbsoluteMove(4), AbsoluteMove(9), false);
    EXPECT_EQ(pos(), std::make_pair(4, 9));
    MoveCursor(f.m, AbsoluteMove(9), 0, false); // End
    EXPECT_EQ(pos(), std::make_pair(9, 9));
}

TEST_F(Cursor, CollapsedAxisTogglesBetweenHeaderAndItsLine) {
    f.sheet().Y.Collapsed = true;
    f.sheet().Y.CollapsePosition = kCollapseLast;
    CollapsedIndexOf(f.sheet().Y);
    at(2, 9);
    MoveCursor(f.m, 0, 1, false);
    EXPECT_EQ(pos(), std::make_pair(2, -1));
    MoveCursor(f.m, 0, 1, false);
    EXPECT_EQ(pos(), std::make_pair(2, 9));
    MoveCursor(f.m, -1, 0, false);
    MoveCursor(f.m, -1, 0, false); // with Y collapsed there is no Y header stop
    EXPECT_EQ(pos(), std::make_pair(0, 9));
    MoveCursor(f.m, -1, 0, false);
    EXPECT_EQ(pos(), std::make_pair(9, 9));
}

TEST_F(Cursor, ShiftExtendsWithoutWrapping) {
    at(7, 2);
    MoveCursor(f.m, 1, 1, true);
    MoveCursor(f.m, 1, 0, true);
    MoveCursor(f.m, 1, 0, true);
    const TSel& s = f.sheet().Sel;
    EXPECT_EQ(s.RangeX, 9);
    EXPECT_EQ(s.RangeY, 3);
    EXPECT_EQ(s.Count, 6);
    EXPECT_EQ(s.CursorX, 7);
    EXPECT_TRUE(s.IsRect);
    at(3, -1);
    MoveCursor(f.m, 1, 1, true); // the header coordinate stays
    EXPECT_EQ(s.Kind, skXHeader);
    EXPECT_EQ(s.Count, 2);
}

TEST_F(Cursor, EnterBelowTheLastRowGoesToTheNextColumnsHeader) {
    at(4, 9);
    MoveCursorEnter(f.m);
    EXPECT_EQ(pos(), std::make_pair(5, -1));
    MoveCursorEnter(f.m);
    EXPECT_EQ(pos(), std::make_pair(5, 0));
    at(9, 9);
    MoveCursorEnter(f.m);
    EXPECT_EQ(pos(), std::make_pair(-1, 0));
    at(-1, 9);
    MoveCursorEnter(f.m);
    EXPECT_EQ(pos(), std::make_pair(0, -1));
}

TEST_F(Cursor, ScrollKeepsTheCursorVisible) {
    f.sheet().X.Count = 15;
    f.m.VisibleCols = 10;
    at(8, 0);
    MoveCursor(f.m, AbsoluteMove(14), AbsoluteMove(0), false);
    EXPECT_EQ(f.sheet().X.ScrollOffset, 5);
    MoveCursor(f.m, AbsoluteMove(2), AbsoluteMove(0), false);
    EXPECT_EQ(f.sheet().X.ScrollOffset, 2);
    ScrollIntoView(f.m, -1, -1); // negative indices leave the axes alone
    EXPECT_EQ(f.sheet().X.ScrollOffset, 2);
}

TEST_F(Cursor, ScrollingCommitsAPendingEdit) {
    f.sheet().X.Count = 15;
    f.m.VisibleCols = 10;
    BeginEditText(f.m.Edit, 0, 0, "12");
    ScrollIntoView(f.m, 14, 0);
    EXPECT_FALSE(f.m.Edit.Active);
    EXPECT_EQ(f.sheet().cell(0, 0), 12);
    EXPECT_EQ(f.changeParts(), std::vector<int>{4});
}

#include "editor_sheets.h"
#include "mapedit/cursor.h"
#include "mapedit/lines.h"

#include <gtest/gtest.h>

namespace {

// Rows resizable: 6 of at most 8, breakpoints 0, 10, 20, 40, 50, 60.
int defineRows(CTabModel& m) {
    int s = DefineSheet(m, "Rows", "X", "Y", "Z", 3, 8, 0);
    CAxisDef d;
    d.Max = 1000;
    d.Count = 3;
    DefineAxis(m, s, kAxisX, d);
    d.MinCount = 2;
    d.Count = 6;
    DefineAxis(m, s, kAxisY, d);
    DefineAxis(m, s, kAxisData, d);
    CSheet& sh = m.Sheets[size_t(s)];
    int ys[] = {0, 10, 20, 40, 50, 60};
    for (int r = 0; r < 6; ++r) {
        sh.Y.Values[size_t(r)] = ys[r];
        for (int c = 0; c < 3; ++c) sh.cell(c, r) = 100 * r + c;
    }
    sh.cell(0, 2) = 7;
    sh.cell(0, 3) = 10;
    NormalizeAxes(m, s, kAxisX | kAxisY | kResetElastic);
    return s;
}

struct Lines : testing::Test {
    EditorFixture f{defineRows};
    CSheet& s() { return f.sheet(); }
};

} // namespace

TEST(LineBoundaryIndex, UpperHalfBeforeLowerHalfAfter) {
    const double rowHeight = 18;
    EXPECT_EQ(LineBoundaryIndex(0, 3 * rowHeight + 4, rowHeight), 3);
    EXPECT_EQ(LineBoundaryIndex(0, 3 * rowHeight + 14, rowHeight), 4);
    EXPECT_EQ(LineBoundaryIndex(2, 3 * rowHeight + 14, rowHeight), 6);
}

TEST_F(Lines, InsertBeforeRowThreeTakesTheMeanOfItsNeighbours) {
    ASSERT_FALSE(InsertLine(f.m, kAxisY, 3));
    EXPECT_EQ(s().Y.Count, 7);
    EXPECT_EQ(s().Y.Values[3], 30);
    EXPECT_EQ(s().cell(0, 3), 8);
    EXPECT_EQ(s().cell(1, 3), 251); // (201 + 301) / 2
    EXPECT_EQ(s().Y.Values[4], 40);
    EXPECT_EQ(s().cell(0, 4), 10);
    EXPECT_EQ(s().Sel.Count, 3); // the new row is selected
    EXPECT_EQ(s().Sel.MinY, 3);
    EXPECT_EQ(f.changeParts(), std::vector<int>{2 | 4});
}

TEST_F(Lines, InsertBeforeTheFirstDuplicatesAndIsSpreadByNormalisation) {
    InsertLine(f.m, kAxisY, 0);
    EXPECT_EQ(s().Y.Values[0], 0);
    EXPECT_EQ(s().Y.Values[1], 1);
    EXPECT_EQ(s().Y.Values[2], 10);
}

TEST_F(Lines, InsertAtMaximumShowsTheMessage) {
    InsertLine(f.m, kAxisY, 6);
    InsertLine(f.m, kAxisY, 6);
    auto msg = InsertLine(f.m, kAxisY, 6);
    ASSERT_TRUE(msg);
    EXPECT_EQ(msg->Text, "Row count is on maximum !\nDelete some first...");
    EXPECT_EQ(msg->Caption, "Error");
    EXPECT_EQ(s().Y.Count, 8);
    EXPECT_EQ(f.changeParts().size(), size_t(2));
}

TEST(InsertColumn, AppendingTheEleventhAdvanceColumnRestoresTheStoredBreakpoint) {
    EditorFixture f(DefineAdvanceSheet); // 10 of 15 breakpoints used: 10..100, slot 10 holds 110
    CSheet& s = f.sheet();
    for (int r = 0; r < 10; ++r) s.cell(9, r) = r;
    ASSERT_FALSE(InsertLine(f.m, kAxisX, 10));
    EXPECT_EQ(s.X.Count, 11);
    EXPECT_EQ(s.X.Values[10], 110);
    for (int r = 0; r < 10; ++r) EXPECT_EQ(s.cell(10, r), r);
}

TEST(InsertColumn, AppendedSlotBelowThePreviousCopiesIt) {
    EditorFixture f(DefineAdvanceSheet);
    f.sheet().X.Values[10] = 3;
    InsertLine(f.m, kAxisX, 10);
    // a copy of 100; as the one changed breakpoint it pushes its neighbour aside
    EXPECT_EQ(f.sheet().X.Values[10], 100);
    EXPECT_EQ(f.sheet().X.Values[9], 99);
}

TEST(InsertColumn, RefusedOnAFixedOrCollapsedAxis) {
    EditorFixture f(DefineAdvanceSheet);
    EXPECT_FALSE(InsertLine(f.m, kAxisY, 2)); // throttle rows are not resizable
    EXPECT_EQ(f.sheet().Y.Count, 10);
    EXPECT_TRUE(f.events.empty());
}

TEST_F(Lines, DeleteSelectedRowsMovesTheRestDown) {
    SelectItem(s().Sel, -1, 1);
    SelectRange(s().Sel, -1, 2);
    DeleteSelectedLines(f.m, kAxisY);
    EXPECT_EQ(s().Y.Count, 4);
    EXPECT_EQ(s().Y.Values[1], 40);
    EXPECT_EQ(s().cell(0, 1), 10);
    EXPECT_EQ(s().cell(2, 3), 502);
    EXPECT_EQ(s().Y.Values[5], 60); // vacated lines keep their values
    EXPECT_EQ(s().Sel.Count, 0);
    EXPECT_EQ(f.changeParts(), std::vector<int>{2 | 4});
}

TEST_F(Lines, DeleteRowsOfACellSelectionOnlyWhenFullySelected) {
    SelectItem(s().Sel, 0, 1);
    SelectRange(s().Sel, 2, 1);
    *s().Sel.mark(0, 4) = kMarkSelected; // a partial row stays
    AnalyseSelection(s().Sel);
    DeleteSelectedLines(f.m, kAxisY);
    EXPECT_EQ(s().Y.Count, 5);
    EXPECT_EQ(s().Sel.Count, 1);
    EXPECT_EQ(s().Sel.MinY, 3); // the remaining mark moved with its row
}

TEST_F(Lines, DeletingStopsAtMinCount) {
    SelectItem(s().Sel, -1, 0);
    SelectRange(s().Sel, -1, 5);
    DeleteSelectedLines(f.m, kAxisY);
    EXPECT_EQ(s().Y.Count, 2);
    f.events.clear();
    SelectItem(s().Sel, -1, 0);
    SelectRange(s().Sel, -1, 1);
    DeleteSelectedLines(f.m, kAxisY);
    EXPECT_EQ(s().Y.Count, 2);
    EXPECT_TRUE(f.events.empty());
}

TEST(DeleteColumns, ScrollOffsetIsPulledBackInsideTheShorterTable) {
    EditorFixture f(DefineAdvanceSheet);
    CSheet& s = f.sheet();
    f.m.MaxVisibleCols = 10;
    s.X.Count = 15;
    RequestLayout(f.m);
    ScrollIntoView(f.m, 14, -1);
    ASSERT_EQ(s.X.ScrollOffset, 5);
    SelectItem(s.Sel, 0, -1);
    SelectRange(s.Sel, 2, -1);
    DeleteSelectedLines(f.m, kAxisX);
    EXPECT_EQ(s.X.Count, 12);
    EXPECT_EQ(s.X.ScrollOffset, 2); // 12 columns, 10 shown
}

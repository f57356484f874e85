#include "editor_sheets.h"
#include "mapedit/drag_fill.h"

#include <gtest/gtest.h>

namespace {

int defineGrid(CTabModel& m) {
    int s = DefineSheet(m, "Grid", "X", "Y", "Z", 8, 8, 0);
    CAxisDef d;
    d.Min = -10000;
    d.Max = 10000;
    d.Count = 8;
    DefineAxis(m, s, kAxisX | kAxisY | kAxisData, d);
    CSheet& sh = m.Sheets[size_t(s)];
    for (int i = 0; i < 8; ++i) sh.X.Values[size_t(i)] = sh.Y.Values[size_t(i)] = 10 * i;
    NormalizeAxes(m, s, kAxisX | kAxisY | kResetElastic);
    return s;
}

struct Drag : testing::Test {
    EditorFixture f{defineGrid};
    CSheet& s() { return f.sheet(); }
    void start(int state, int x0, int y0, int x1, int y1) {
        f.m.Drag = CDragState{state, 0, 0, x0, y0, x1, y1};
    }
};

} // namespace

TEST_F(Drag, SingleCellFillsTheTarget) {
    s().cell(2, 2) = 9;
    start(kDragFill, 2, 2, 2, 2);
    FinishDrag(f.m, 2, 2, 4, 3);
    for (int y = 2; y <= 3; ++y)
        for (int x = 2; x <= 4; ++x) EXPECT_EQ(s().cell(x, y), 9);
    EXPECT_EQ(s().cell(5, 2), 0);
    EXPECT_EQ(s().Sel.Count, 6);
    EXPECT_EQ(f.changeParts(), std::vector<int>{4});
    EXPECT_EQ(f.m.Drag.State, kDragNone);
}

TEST_F(Drag, RowExtrapolatesBothWaysAndCopiesDown) {
    s().cell(2, 1) = 10, s().cell(3, 1) = 13, s().cell(4, 1) = 20;
    start(kDragFill, 2, 1, 4, 1);
    FinishDrag(f.m, 0, 1, 6, 2);
    int want[] = {4, 7, 10, 13, 20, 27, 34};
    for (int x = 0; x <= 6; ++x) {
        EXPECT_EQ(s().cell(x, 1), want[x]) << x;
        EXPECT_EQ(s().cell(x, 2), want[x]) << x;
    }
}

TEST_F(Drag, BlockExtrapolationCornersAndSides) {
    // 2 x 2 block at (3..4, 3..4): 10 20 / 30 50
    s().cell(3, 3) = 10, s().cell(4, 3) = 20, s().cell(3, 4) = 30, s().cell(4, 4) = 50;
    start(kDragFill, 3, 3, 4, 4);
    FinishDrag(f.m, 2, 2, 5, 5);
    EXPECT_EQ(s().cell(2, 3), 0);   // left: 10 + (20 - 10) * -1
    EXPECT_EQ(s().cell(5, 4), 70);  // right: 50 + (50 - 30)
    EXPECT_EQ(s().cell(3, 2), -10); // above: 10 + (30 - 10) * -1
    EXPECT_EQ(s().cell(4, 5), 80);  // below: 50 + (50 - 20)
    EXPECT_EQ(s().cell(2, 2), -20); // 10 - (20 - 10) - (30 - 10)
    EXPECT_EQ(s().cell(5, 2), 0);   // 20 + (20 - 10) - (30 - 10)... x > x1, y < y0
    EXPECT_EQ(s().cell(2, 5), 30);  // 30 - (20 - 10) + (30 - 10)
    EXPECT_EQ(s().cell(5, 5), 100); // 50 + (50 - 30) + (50 - 20)
    EXPECT_EQ(s().cell(3, 3), 10);
}

TEST_F(Drag, HeaderRunFillExtrapolates) {
    start(kDragFill, 2, -1, 3, -1); // 20, 30
    FinishDrag(f.m, 2, -1, 6, -1);
    EXPECT_EQ(s().X.Values[6], 60);
    start(kDragFill, 5, -1, 5, -1);
    FinishDrag(f.m, 5, -1, 7, -1); // one breakpoint copied, then ordered around the first change
    EXPECT_EQ(s().X.Values[5], 49);
    EXPECT_EQ(s().X.Values[6], 50);
    EXPECT_EQ(s().X.Values[7], 51);
    EXPECT_EQ(f.changeParts(), (std::vector<int>{1, 1}));
}

TEST_F(Drag, MoveCopiesTheBlockAndKeepsTheSource) {
    s().cell(0, 0) = 1, s().cell(1, 0) = 2, s().cell(0, 1) = 3, s().cell(1, 1) = 4;
    start(kDragMove, 0, 0, 1, 1);
    FinishDrag(f.m, 5, 6, 6, 7);
    EXPECT_EQ(s().cell(5, 6), 1);
    EXPECT_EQ(s().cell(6, 7), 4);
    EXPECT_EQ(s().cell(0, 0), 1);
    EXPECT_EQ(s().Sel.MinX, 5);
}

TEST_F(Drag, NothingOnAFixedAxis) {
    s().Data.Editable = false;
    s().cell(0, 0) = 5;
    start(kDragFill, 0, 0, 0, 0);
    FinishDrag(f.m, 0, 0, 3, 3);
    EXPECT_EQ(s().cell(3, 3), 0);
    EXPECT_TRUE(f.events.empty());
}

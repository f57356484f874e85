#include "editor_sheets.h"
#include "mapedit/interpolate.h"
#include "mapedit/rubber_band.h"

#include <gtest/gtest.h>

namespace {

// A plain grid: cells 20 x 10 pixels from (100, 50); headers above and left.
constexpr int kW = 20, kH = 10, kLeft = 100, kTop = 50;

std::optional<CRect> gridRect(int kind, int x, int y) {
    switch (kind) {
    case skCells:
        return CRect{kLeft + x * kW, kTop + y * kH, kLeft + x * kW + kW - 1,
                     kTop + y * kH + kH - 1};
    case skXHeader: return CRect{kLeft + x * kW, kTop - 20, kLeft + x * kW + kW - 1, kTop - 11};
    case skYHeader: return CRect{20, kTop + y * kH, 59, kTop + y * kH + kH - 1};
    case smColumns: return CRect{kLeft + x * kW, kTop - 10, kLeft + x * kW + kW - 1, kTop - 1};
    case smRows: return CRect{60, kTop + y * kH, 99, kTop + y * kH + kH - 1};
    default: return std::nullopt;
    }
}

const CRect kClient{0, 0, 800, 400};

struct Band : testing::Test {
    EditorFixture f{DefineAdvanceSheet};
    TSel& sel() { return f.sheet().Sel; }
    int px(int x) { return kLeft + x * kW + 5; }
    int py(int y) { return kTop + y * kH + 5; }
    void click(int x, int y, bool shift = false, bool ctrl = false) {
        BeginRubberBand(f.sheet(), skCells, x, y, px(x), py(y), shift, ctrl, gridRect, kClient);
        EndRubberBand(f.sheet());
    }
};

} // namespace

TEST_F(Band, DragMarksTheCellsItMeets) {
    BeginRubberBand(f.sheet(), skCells, 1, 1, px(1), py(1), false, false, gridRect, kClient);
    EXPECT_TRUE(UpdateRubberBand(f.sheet(), px(3), py(2), gridRect, kClient));
    EXPECT_FALSE(UpdateRubberBand(f.sheet(), px(3) + 1, py(2), gridRect, kClient));
    EXPECT_EQ(sel().markAt(3, 2), kMarkGesture);
    EndRubberBand(f.sheet());
    EXPECT_EQ(sel().Count, 6);
    EXPECT_TRUE(sel().IsRect);
    EXPECT_EQ(sel().CursorX, 1);
}

TEST_F(Band, ShiftClickSelectsTheRectangleFromTheFirstAnchor) {
    click(1, 1);
    click(3, 4, true);
    EXPECT_EQ(sel().Count, 12);
    EXPECT_TRUE(CanInterpolate(f.m));
}

TEST_F(Band, CtrlClickAddsACellAndBreaksTheRectangle) {
    click(1, 1);
    click(3, 1, true);
    ASSERT_TRUE(sel().IsRect);
    click(6, 6, false, true);
    EXPECT_EQ(sel().Count, 4);
    EXPECT_FALSE(sel().IsRect);
    EXPECT_FALSE(CanInterpolate(f.m));
    click(5, 5); // a plain click starts anew
    EXPECT_EQ(sel().Count, 1);
}

TEST_F(Band, AnotherKindRestartsAndStripsMarkWholeLines) {
    click(1, 1);
    BeginRubberBand(f.sheet(), smColumns, 2, -1, px(2), kTop - 5, false, true, gridRect, kClient);
    UpdateRubberBand(f.sheet(), px(4), kTop - 5, gridRect, kClient);
    EndRubberBand(f.sheet());
    EXPECT_EQ(sel().Count, 31); // added to the first cell: Ctrl keeps it
    BeginRubberBand(f.sheet(), skXHeader, 2, -1, px(2), kTop - 15, false, true, gridRect, kClient);
    EndRubberBand(f.sheet());
    EXPECT_EQ(sel().Kind, skXHeader); // a different kind starts over
    EXPECT_EQ(sel().Count, 1);
}

TEST_F(Band, PointerIsClampedToTheClientArea) {
    BeginRubberBand(f.sheet(), skCells, 8, 8, px(8), py(8), false, false, gridRect, kClient);
    UpdateRubberBand(f.sheet(), 5000, 5000, gridRect, kClient);
    EXPECT_EQ(sel().CurX, 800);
    EndRubberBand(f.sheet());
    EXPECT_EQ(sel().Count, 4); // cells 8..9 x 8..9
}

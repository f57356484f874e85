#include "editor_sheets.h"
#include "mapedit/live_marker.h"
#include "mapedit/stepping.h"

#include <gtest/gtest.h>

TEST(StepSelection, PlusBelowTheFirstSpeedBreakpointRaisesTheBaseAdvance) {
    EditorFixture f(DefineAdvanceSheet); // first breakpoint 1 000 rpm
    f.m.Markers.BaseAdvance = 10;
    SetLiveValues(f.m, 600, 200, 0);
    UpdateLiveMarker(f.m);
    ASSERT_EQ(f.sheet().LiveCol, -1);
    ASSERT_EQ(f.sheet().LiveState, 1);
    StepSelection(f.m, +1);
    EXPECT_EQ(f.m.Markers.BaseAdvance, 11);
    EXPECT_TRUE(f.events.empty()); // held steps are reported together
    f.ticks(5);
    ASSERT_EQ(f.events.size(), size_t(1));
    EXPECT_EQ(f.events[0].Parts, 4);
    EXPECT_EQ(f.events[0].BaseAdvance, 11);
}

TEST(StepSelection, LiveCellWhenTheEngineRunsInsideTheMap) {
    EditorFixture f(DefineAdvanceSheet);
    SetLiveValues(f.m, 3100, 240, 0); // 31 hundreds: column 2; throttle 24 %: row 4
    UpdateLiveMarker(f.m);
    StepSelection(f.m, -1);
    EXPECT_EQ(f.sheet().cell(2, 4), -1);
    SetLiveValues(f.m, 0, 240, 0); // engine stopped: no live value to step
    UpdateLiveMarker(f.m);
    StepSelection(f.m, -1);
    EXPECT_EQ(f.sheet().cell(2, 4), -1);
}

TEST(StepSelection, StepsEveryMarkedItemAndBatchesRepeatedSteps) {
    EditorFixture f(DefineAdvanceSheet);
    SelectItem(f.sheet().Sel, 1, 1);
    SelectRange(f.sheet().Sel, 2, 1);
    for (int i = 0; i < 3; ++i) {
        StepSelection(f.m, +1);
        f.ticks(2);
    }
    EXPECT_EQ(f.sheet().cell(1, 1), 3);
    EXPECT_EQ(f.sheet().cell(2, 1), 3);
    EXPECT_EQ(f.sheet().cell(3, 1), 0);
    EXPECT_TRUE(f.events.empty());
    f.ticks(3);
    EXPECT_EQ(f.changeParts(), std::vector<int>{4});
}

TEST(StepSelection, FixedAxisIsNotStepped) {
    EditorFixture f(DefineAdvanceSheet);
    SelectItem(f.sheet().Sel, -1, 2);
    StepSelection(f.m, +1);
    f.ticks(6);
    EXPECT_EQ(f.sheet().Y.Values[2], 5);
    EXPECT_TRUE(f.events.empty());
}

TEST(StepSelection, SteppedCellsAreClampedAtOnce) {
    EditorFixture f(DefineAdvanceSheet);
    f.sheet().cell(0, 0) = 60;
    SelectItem(f.sheet().Sel, 0, 0);
    StepSelection(f.m, +1);
    EXPECT_EQ(f.sheet().cell(0, 0), 60);
}

namespace {

struct Arrows : testing::Test {
    EditorFixture f{DefineAdvanceSheet};
    void SetUp() override {
        f.m.Arrows.Shown = true;
        f.m.Arrows.X = 3;
        f.m.Arrows.Y = 2;
    }
};

} // namespace

TEST_F(Arrows, HoldingTenTicksGivesFiveSteps) {
    PressArrow(f.m, +1);
    f.ticks(10);
    ReleaseArrow(f.m);
    EXPECT_EQ(f.sheet().cell(3, 2), 5);
}

TEST_F(Arrows, AClickGivesOneStep) {
    PressArrow(f.m, -1);
    f.ticks(5);
    ReleaseArrow(f.m);
    EXPECT_EQ(f.sheet().cell(3, 2), -1);
    f.ticks(5);
    EXPECT_EQ(f.changeParts(), std::vector<int>{4});
}

TEST_F(Arrows, OnASelectedCellTheWholeSelectionSteps) {
    SelectItem(f.sheet().Sel, 3, 2);
    SelectRange(f.sheet().Sel, 4, 2);
    StepArrowTarget(f.m, +1);
    EXPECT_EQ(f.sheet().cell(4, 2), 1);
    ClearSelection(f.sheet().Sel);
    SelectItem(f.sheet().Sel, 5, 5);
    StepArrowTarget(f.m, +1); // arrows' cell not selected: only it
    EXPECT_EQ(f.sheet().cell(3, 2), 2);
    EXPECT_EQ(f.sheet().cell(5, 5), 0);
}

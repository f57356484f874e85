#include "editor_sheets.h"
#include "mapedit/commands.h"
#include "mapedit/live_marker.h"

#include <gtest/gtest.h>

TEST(LiveMarker, NearestBreakpointOnEachAxis) {
    EditorFixture f(DefineAdvanceSheet); // RPM 1000..10000 by 1000, TPS 0 2 5 10 20 ...
    struct {
        int rpm, tenths, col, row;
    } cases[] = {{1400, 0, 0, 0},   {1500, 5, 1, 0},  {9999, 1000, 9, 9},
                 {50000, -1, 9, 9}, {999, 30, -1, 1}, {4400, 74, 3, 2}};
    for (auto c : cases) {
        SetLiveValues(f.m, c.rpm, c.tenths, 0);
        UpdateLiveMarker(f.m);
        EXPECT_EQ(f.sheet().LiveCol, c.col) << c.rpm;
        EXPECT_EQ(f.sheet().LiveRow, c.row) << c.tenths;
        EXPECT_EQ(f.sheet().LiveState, 1);
    }
}

TEST(LiveMarker, EngineStoppedHidesTheMarker) {
    EditorFixture f(DefineAdvanceSheet);
    SetLiveValues(f.m, 0, 500, 0);
    UpdateLiveMarker(f.m);
    EXPECT_EQ(f.sheet().LiveState, 0);
}

TEST(LiveMarker, CollapsedAxisUsesItsIndexAndSheetsWithoutMarkerHaveNone) {
    EditorFixture f(DefineAdvanceSheet);
    ASSERT_TRUE(ExecuteModelCommand(f.m, kCmdOnlyX));
    SetLiveValues(f.m, 3000, 0, 0);
    UpdateLiveMarker(f.m);
    EXPECT_EQ(f.sheet().LiveRow, 9);
    EditorFixture sensor(DefineTpsSensorSheet);
    SetLiveValues(sensor.m, 3000, 500, 0);
    UpdateLiveMarker(sensor.m);
    EXPECT_EQ(sensor.sheet().LiveState, 0);
    EXPECT_EQ(sensor.sheet().LiveCol, -2);
}

TEST(LiveMarker, AutoscrollFollowsTheMarkerUnlessSwitchedOff) {
    EditorFixture f(DefineAdvanceSheet);
    f.sheet().X.Count = 15;
    f.m.VisibleCols = 10;
    bool autoscroll = false;
    f.m.Autoscroll = &autoscroll;
    SetLiveValues(f.m, 14000, 0, 0);
    UpdateLiveMarker(f.m);
    EXPECT_EQ(f.sheet().X.ScrollOffset, 0);
    autoscroll = true;
    SetLiveValues(f.m, 15000, 0, 0);
    UpdateLiveMarker(f.m);
    EXPECT_EQ(f.sheet().LiveCol, 14);
    EXPECT_EQ(f.sheet().X.ScrollOffset, 5);
}

TEST(Commands, AxisChoiceFollowsTheCollapseOptions) {
    EditorFixture adv(DefineAdvanceSheet); // X option 0, Y option 1
    EXPECT_TRUE(ExecuteModelCommand(adv.m, kCmdOnlyX));
    EXPECT_TRUE(adv.sheet().Y.Collapsed);
    EXPECT_FALSE(adv.sheet().X.Collapsed);
    EXPECT_EQ(adv.sheet().Y.CollapsedIndex, 9);
    EXPECT_FALSE(ExecuteModelCommand(adv.m, kCmdOnlyY));
    EXPECT_TRUE(ExecuteModelCommand(adv.m, kCmdBothAxes));
    EXPECT_FALSE(adv.sheet().Y.Collapsed);
    // each accepted choice notifies with all parts, then the sheet is re-selected
    EXPECT_EQ(adv.changeParts(), (std::vector<int>{7, 7}));
    EXPECT_EQ(adv.events.size(), size_t(4));
    EditorFixture sensor(DefineTpsSensorSheet); // X absent, Y fixed: only Y is possible
    EXPECT_FALSE(ExecuteModelCommand(sensor.m, kCmdOnlyX));
    EXPECT_TRUE(ExecuteModelCommand(sensor.m, kCmdOnlyY));
    EXPECT_TRUE(sensor.sheet().X.Collapsed);
    EXPECT_FALSE(ExecuteModelCommand(sensor.m, kCmdBothAxes));
}

TEST(Commands, ToggleEnabledNotifies) {
    EditorFixture f(DefineServoSheet);
    ExecuteModelCommand(f.m, kCmdToggleEnabled);
    EXPECT_FALSE(f.sheet().Enabled);
    EXPECT_EQ(f.changeParts(), std::vector<int>{7});
}

TEST(SelectSheet, ReportsTheChangeAndKeepsThePreviousSheet) {
    CTabModel m;
    std::vector<CTabEvent> events;
    m.OnCommit = [&](const CTabEvent& e) { events.push_back(e); };
    DefineAdvanceSheet(m);
    DefineServoSheet(m);
    SelectSheet(m, 5); // undefined: ignored
    EXPECT_EQ(m.Current, -1);
    SelectSheet(m, 0);
    SelectSheet(m, 1);
    SelectSheet(m, 1);
    EXPECT_EQ(m.Previous, 0);
    ASSERT_EQ(events.size(), size_t(3));
    EXPECT_EQ(events[2].Parts, 0);
    EXPECT_EQ(events[2].Title, "Servo");
}

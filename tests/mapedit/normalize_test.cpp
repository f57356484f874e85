#include "mapedit/normalize.h"
#include "mapedit/tab_model.h"

#include <gtest/gtest.h>

namespace {

class Breakpoints : public testing::Test {
  protected:
    void SetUp() override {
        s = DefineSheet(m, "T", "RPM", "", "", 3, 1, 0);
        CAxisDef d;
        d.Max = 250;
        d.Count = 3;
        DefineAxis(m, s, kAxisX, d);
        set({10, 20, 30});
        NormalizeAxes(m, s, kAxisX | kResetElastic);
    }
    CAxe& x() { return m.Sheets[size_t(s)].X; }
    void set(std::vector<int> v) {
        for (size_t i = 0; i < v.size(); ++i) x().Values[i] = v[i];
    }
    void edit(int i, int v) {
        x().Values[size_t(i)] = v;
        NormalizeAxes(m, s, kAxisX);
    }
    std::vector<int> values() { return {x().Values[0], x().Values[1], x().Values[2]}; }
    CTabModel m;
    int s = 0;
};

} // namespace

TEST_F(Breakpoints, PushedNeighboursReturnWhenTheEditMovesBack) {
    edit(0, 35);
    EXPECT_EQ(values(), (std::vector<int>{35, 36, 37}));
    edit(0, 15);
    EXPECT_EQ(values(), (std::vector<int>{15, 20, 30}));
}

TEST_F(Breakpoints, PartialReturnKeepsOrder) {
    edit(0, 35);
    edit(0, 25);
    EXPECT_EQ(values(), (std::vector<int>{25, 26, 30}));
    edit(0, 5);
    EXPECT_EQ(values(), (std::vector<int>{5, 20, 30}));
}

TEST_F(Breakpoints, EditingAnotherBreakpointMakesPushesPermanent) {
    edit(0, 35);
    edit(2, 40);
    EXPECT_EQ(values(), (std::vector<int>{35, 36, 40}));
    edit(0, 15);
    EXPECT_EQ(values(), (std::vector<int>{15, 36, 40}));
}

TEST_F(Breakpoints, PushDownwardsAndUpperLimitOfTheMovedOne) {
    edit(2, 5);
    EXPECT_EQ(values(), (std::vector<int>{3, 4, 5}));
    edit(2, 30);
    EXPECT_EQ(values(), (std::vector<int>{10, 20, 30}));
    edit(1, 400); // at most Max - 1 * Step for the middle one
    EXPECT_EQ(values(), (std::vector<int>{10, 249, 250}));
    edit(0, -9);
    EXPECT_EQ(values()[0], 0);
}

TEST_F(Breakpoints, SeveralChangesAreOnlyClampedAndOrdered) {
    edit(0, 35);
    x().Values[0] = 15;
    x().Values[2] = 300;
    NormalizeAxes(m, s, kAxisX);
    EXPECT_EQ(values(), (std::vector<int>{15, 36, 250}));
}

TEST_F(Breakpoints, ResetBitForgetsPushes) {
    edit(0, 35);
    NormalizeAxes(m, s, kAxisX | kResetElastic);
    edit(0, 15);
    EXPECT_EQ(values(), (std::vector<int>{15, 36, 37}));
}

TEST_F(Breakpoints, EqualValuesAreSpreadByStep) {
    set({50, 50, 50});
    NormalizeAxes(m, s, kAxisX | kResetElastic);
    EXPECT_EQ(values(), (std::vector<int>{50, 51, 52}));
}

TEST(NormalizeCells, ClampsOnlyTheUsedArea) {
    CTabModel m;
    int s = DefineSheet(m, "A", "RPM", "TPS", "Advance", 4, 3, 0);
    CAxisDef d;
    d.Min = -30;
    d.Max = 60;
    DefineAxis(m, s, kAxisData, d);
    CSheet& sh = m.Sheets[size_t(s)];
    sh.X.Count = 2;
    sh.cell(1, 2) = -40;
    sh.cell(0, 0) = 99;
    sh.cell(3, 0) = -40; // beyond the used columns
    NormalizeAxes(m, s, kAxisData);
    EXPECT_EQ(sh.cell(1, 2), -30);
    EXPECT_EQ(sh.cell(0, 0), 60);
    EXPECT_EQ(sh.cell(3, 0), -40);
}

TEST(NormalizeMarkers, ClampedOnlyOnEngineSpeedSheets) {
    CTabModel m;
    int adv = DefineSheet(m, "Advance", "RPM", "TPS", "Advance", 4, 3,
                          sfBaseAdvanceMarker | sfLimiterMarker);
    int other = DefineSheet(m, "Other", "Speed", "TPS", "Advance", 4, 3, sfBaseAdvanceMarker);
    CAxisDef d;
    d.Min = -30;
    d.Max = 60;
    DefineAxis(m, adv, kAxisData, d);
    DefineAxis(m, other, kAxisData, d);
    m.Markers.BaseAdvance = 70;
    NormalizeAxes(m, other, 0);
    EXPECT_EQ(m.Markers.BaseAdvance, 70);
    m.Markers.RevLimiter = 500;
    NormalizeAxes(m, adv, 0);
    EXPECT_EQ(m.Markers.BaseAdvance, 60);
    EXPECT_EQ(m.Markers.RevLimiter, 100); // X Max by default
}

TEST_F(Breakpoints, ExtremeValuesStayInRangeAndOrder) {
    edit(1, INT32_MAX);
    EXPECT_EQ(values(), (std::vector<int>{10, 249, 250}));
    edit(1, INT32_MIN);
    EXPECT_EQ(values(), (std::vector<int>{0, 1, 30}));
}

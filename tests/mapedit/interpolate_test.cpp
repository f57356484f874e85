#include "editor_sheets.h"
#include "mapedit/interpolate.h"

#include <gtest/gtest.h>

namespace {

// 3 x 3 sheet with editable breakpoints on both axes.
int defineSmall(CTabModel& m) {
    int s = DefineSheet(m, "Small", "X", "Y", "Z", 4, 3, 0);
    CAxisDef d;
    d.Min = -1000;
    d.Max = 1000;
    d.Count = 4;
    DefineAxis(m, s, kAxisX, d);
    d.Count = 3;
    DefineAxis(m, s, kAxisY, d);
    DefineAxis(m, s, kAxisData, d);
    CSheet& sh = m.Sheets[size_t(s)];
    int xs[] = {0, 10, 20, 30}, ys[] = {0, 10, 40};
    for (int i = 0; i < 4; ++i) sh.X.Values[size_t(i)] = xs[i];
    for (int i = 0; i < 3; ++i) sh.Y.Values[size_t(i)] = ys[i];
    NormalizeAxes(m, s, kAxisX | kAxisY | kResetElastic);
    return s;
}

struct Interp : testing::Test {
    EditorFixture f{defineSmall};
    void selectColumn(int x) {
        SelectItem(f.sheet().Sel, x, 0);
        SelectRange(f.sheet().Sel, x, 2);
        f.sheet().cell(x, 0) = 0;
        f.sheet().cell(x, 1) = 7;
        f.sheet().cell(x, 2) = 20;
    }
};

} // namespace

TEST_F(Interp, ColumnWeightsByValueOnANumericAxis) {
    selectColumn(1);
    ASSERT_TRUE(CanInterpolate(f.m));
    Interpolate(f.m);
    EXPECT_EQ(f.sheet().cell(1, 1), 5);
    EXPECT_EQ(f.sheet().Sel.Count, 0);
    EXPECT_EQ(f.changeParts(), std::vector<int>{4});
}

TEST_F(Interp, ColumnWeightsByIndexOtherwise) {
    f.sheet().Y.Numeric = false;
    selectColumn(1);
    Interpolate(f.m);
    EXPECT_EQ(f.sheet().cell(1, 1), 10);
}

TEST_F(Interp, BilinearBlockAndNegativeRounding) {
    CSheet& s = f.sheet();
    s.cell(0, 0) = -10, s.cell(2, 0) = -20, s.cell(0, 2) = -31, s.cell(2, 2) = -40;
    SelectItem(s.Sel, 0, 0);
    SelectRange(s.Sel, 2, 2);
    Interpolate(f.m);
    // g = 0.5 for column 1 (X 0/10/20), h = 0.25 for row 1 (Y 0/10/40)
    EXPECT_EQ(s.cell(1, 0), -15);
    EXPECT_EQ(s.cell(1, 1), -20); // -20.125
    EXPECT_EQ(s.cell(0, 1), -15); // -15.25
    EXPECT_EQ(s.cell(2, 2), -40);
}

TEST_F(Interp, HeaderRunByIndex) {
    CSheet& s = f.sheet();
    s.X.Values[3] = 90;
    NormalizeAxes(f.m, 0, kAxisX);
    SelectItem(s.Sel, 0, -1);
    SelectRange(s.Sel, 3, -1);
    Interpolate(f.m);
    EXPECT_EQ(s.X.Values[1], 30);
    EXPECT_EQ(s.X.Values[2], 60);
    EXPECT_EQ(f.changeParts(), std::vector<int>{1});
}

TEST_F(Interp, TwoByTwoIsNotInterpolated) {
    CSheet& s = f.sheet();
    s.cell(1, 1) = 9;
    SelectItem(s.Sel, 0, 0);
    SelectRange(s.Sel, 1, 1);
    EXPECT_FALSE(CanInterpolate(f.m));
    Interpolate(f.m);
    EXPECT_EQ(s.cell(1, 1), 9);
    EXPECT_TRUE(f.events.empty());
}

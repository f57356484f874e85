#include "mapedit/scale_steps.h"
#include "mapedit/tab_model.h"

#include <gtest/gtest.h>

TEST(DefineSheet, NinthSheetIsRefusedAndChangesNothing) {
    CTabModel m;
    for (int i = 0; i < kMaxSheets; ++i) EXPECT_EQ(DefineSheet(m, "S", "", "", "", 2, 2, 0), i);
    EXPECT_EQ(DefineSheet(m, "Ninth", "", "", "", 2, 2, 0), -1);
    EXPECT_EQ(m.SheetCount, kMaxSheets);
}

TEST(DefineSheet, CapsSizesAndAllocatesFixedArrays) {
    CTabModel m;
    int s = DefineSheet(m, "T", "RPM", "TPS", "Advance", 60, 40, sfLiveMarker);
    const CSheet& sh = m.Sheets[size_t(s)];
    EXPECT_EQ(sh.X.MaxCount, 50);
    EXPECT_EQ(sh.X.Count, 50);
    EXPECT_EQ(sh.Y.MaxCount, 30);
    EXPECT_EQ(sh.Data.Values.size(), size_t(1500));
    EXPECT_EQ(sh.X.Values.size(), size_t(50));
    EXPECT_EQ(sh.Y.Pushed.size(), size_t(30));
    EXPECT_TRUE(sh.X.ShowUnit);
    EXPECT_TRUE(sh.Y.ShowUnit);
    EXPECT_FALSE(sh.Data.ShowUnit);
    EXPECT_EQ(sh.X.Label, "RPM");
}

TEST(DefineSheet, LabelsAndTitleAreCut) {
    CTabModel m;
    std::string longText(80, 'a');
    int s = DefineSheet(m, longText, longText, "", "", 2, 2, 0);
    EXPECT_EQ(m.Sheets[size_t(s)].Title.size(), size_t(47));
    EXPECT_EQ(m.Sheets[size_t(s)].X.Label.size(), size_t(31));
}

TEST(SetTitle, TabWidthIsWidestTranslationPlus15) {
    CTabModel m;
    int widths[4] = {40, 70, 55, 10};
    TextWidthFn width = [&](std::string_view, int lang) { return widths[lang]; };
    int s = DefineSheet(m, "Advance", "", "", "", 2, 2, 0, width);
    EXPECT_EQ(m.Sheets[size_t(s)].TabWidth, 85);
    SetTitle(m, 5, "Nothing", width); // undefined sheet: ignored
    EXPECT_TRUE(m.Sheets[5].Title.empty());
}

struct CountCase {
    int columns, minCount, count;
    int wantMin, wantCount;
};

class DefineAxisCounts : public testing::TestWithParam<CountCase> {};

TEST_P(DefineAxisCounts, AreKeptInsideTheirLimits) {
    const CountCase& c = GetParam();
    CTabModel m;
    int s = DefineSheet(m, "T", "", "", "", c.columns, 2, 0);
    CAxisDef d;
    d.MinCount = c.minCount;
    d.Count = c.count;
    DefineAxis(m, s, kAxisX, d);
    EXPECT_EQ(m.Sheets[size_t(s)].X.MinCount, c.wantMin);
    EXPECT_EQ(m.Sheets[size_t(s)].X.Count, c.wantCount);
}

INSTANTIATE_TEST_SUITE_P(Caps, DefineAxisCounts,
                         testing::Values(CountCase{15, 1, 0, 1, 1}, CountCase{15, 1, 60, 1, 15},
                                         CountCase{15, 0, 5, 1, 5}, CountCase{15, 20, 3, 15, 15},
                                         CountCase{15, 4, 2, 4, 4}));

TEST(DefineAxis, NullTextsKeepOldAndDataAxisIgnoresCounts) {
    CTabModel m;
    int s = DefineSheet(m, "T", "", "", "", 10, 5, 0);
    CAxisDef d;
    d.Symbol = "RPM";
    d.Unit = "rpmrpmrpm";
    d.Options = 0;
    d.Count = 3;
    DefineAxis(m, s, kAxisX | kAxisData, d);
    CSheet& sh = m.Sheets[size_t(s)];
    EXPECT_EQ(sh.X.Symbol, "RPM");
    EXPECT_EQ(sh.X.Unit, "rpmrpmr");
    EXPECT_FALSE(sh.X.Numeric);
    EXPECT_TRUE(sh.Data.Numeric);
    EXPECT_EQ(sh.X.Count, 3);
    CAxisDef keep;
    DefineAxis(m, s, kAxisX, keep);
    EXPECT_EQ(sh.X.Symbol, "RPM");
    DefineAxis(m, 3, kAxisX, d); // undefined sheet
    EXPECT_EQ(m.Sheets[3].X.Symbol, "");
}

TEST(CollapsedIndexOf, FollowsPositionAndCount) {
    CAxe a;
    a.Count = 7;
    struct {
        int position, want;
    } cases[] = {{-1, 0}, {-2, 6}, {-3, 3}, {4, 4}, {9, 6}, {-7, 0}};
    for (auto c : cases) {
        a.CollapsePosition = c.position;
        EXPECT_EQ(CollapsedIndexOf(a), c.want) << c.position;
        EXPECT_EQ(a.CollapsedIndex, c.want);
    }
    a.CollapsePosition = -2;
    a.Count = 3;
    EXPECT_EQ(CollapsedIndexOf(a), 2);
}

TEST(ScaleSteps, ListEndsAtZeroEntryAndSixthOverwritesFifth) {
    CAxe a;
    std::vector<ScaleStepEntry> list;
    for (int i = 1; i <= 7; ++i) list.push_back({double(i * 10), 1, 1, 1, 1});
    SetScaleSteps(a, list);
    EXPECT_EQ(a.ScaleStepCount, 5);
    EXPECT_EQ(a.ScaleSteps[4][0], 70);
    std::vector<ScaleStepEntry> terminated{{4, 2, 1, 1, 1}, {8, 2, 0, 0, 0}, {20, 5, 5, 5, 5}};
    SetScaleSteps(a, terminated);
    EXPECT_EQ(a.ScaleStepCount, 1);
}

TEST(ScaleSteps, ChoiceTakesFirstEntryNotBelowSpan) {
    CAxe a;
    std::vector<ScaleStepEntry> speed{{4000, 2000, 1000, 200, 1000},
                                      {10000, 2000, 1000, 500, 1000},
                                      {25000, 2000, 1000, 1000, 2000}};
    SetScaleSteps(a, speed);
    EXPECT_EQ(ChooseScaleStep(a, 4000)[0], 4000); // exactly the threshold
    EXPECT_EQ(ChooseScaleStep(a, 4001)[0], 10000);
    EXPECT_EQ(ChooseScaleStep(a, 90000)[0], 25000); // past every threshold: the last
    EXPECT_EQ(a.ActiveScaleStep[4], 2000);
    a.Numeric = false;
    const ScaleStepEntry& ones = ChooseScaleStep(a, 100);
    for (int i = 1; i < 5; ++i) EXPECT_EQ(ones[size_t(i)], 1.0);
}

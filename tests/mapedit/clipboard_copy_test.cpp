#include "editor_sheets.h"
#include "mapedit/clipboard_copy.h"

#include <gtest/gtest.h>

namespace {

// The worked example: RPM 10 20 40 (hundreds), TPS 0 100, cells 5 10 20 / 8 14 30.
int defineExample(CTabModel& m) {
    int s = DefineAdvanceSheet(m);
    CSheet& sh = m.Sheets[size_t(s)];
    sh.X.Count = 3;
    sh.Y.Count = 2;
    int xs[] = {10, 20, 40}, cells[2][3] = {{5, 10, 20}, {8, 14, 30}};
    for (int i = 0; i < 3; ++i) sh.X.Values[size_t(i)] = xs[i];
    sh.Y.Values[0] = 0;
    sh.Y.Values[1] = 100;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) sh.cell(c, r) = cells[r][c];
    NormalizeAxes(m, s, kAxisX | kAxisY | kAxisData | kResetElastic);
    return s;
}

struct Copy : testing::Test {
    EditorFixture f{defineExample};
    CSheet& s() { return f.sheet(); }
};

} // namespace

TEST_F(Copy, SheetTextAndPlainTable) {
    CTableTexts t = CopyTable(f.m);
    EXPECT_EQ(t.Sheet, "Label:\tAdvance\nLabelX:\tRPM\nLabelY:\tTPS\nLabelData:\tADV\nSizeX:\t3\n"
                       "SizeY:\t2\nOnlyXY:\t\n\t1 000\t2 000\t4 000\n0\t5\t10\t20\n100\t8\t14\t30");
    EXPECT_EQ(t.Plain, "\t1 000\t2 000\t4 000\n0\t5\t10\t20\n100\t8\t14\t30");
}

TEST_F(Copy, CollapsedAxesAreLeftOutOfThePlainTable) {
    s().X.Collapsed = true;
    s().X.CollapsedIndex = 1;
    CTableTexts t = CopyTable(f.m);
    EXPECT_NE(t.Sheet.find("OnlyXY:\tX\n\t1 000\t2 000\t4 000\n"), std::string::npos);
    EXPECT_EQ(t.Plain, "0\t10\n100\t14");
    s().X.Collapsed = false;
    s().Y.Collapsed = true;
    s().Y.CollapsedIndex = 1;
    t = CopyTable(f.m);
    EXPECT_NE(t.Sheet.find("OnlyXY:\tY\n"), std::string::npos);
    EXPECT_EQ(t.Plain, "1 000\t2 000\t4 000\n8\t14\t30");
    s().X.Collapsed = true; // both: written as Y
    EXPECT_NE(CopyTable(f.m).Sheet.find("OnlyXY:\tY\n"), std::string::npos);
}

TEST_F(Copy, SelectionBoundingBoxWithGaps) {
    SelectItem(s().Sel, 0, 0);
    *s().Sel.mark(2, 1) = kMarkSelected;
    AnalyseSelection(s().Sel);
    EXPECT_EQ(CopySelection(f.m), "5\t\t\n\t\t30");
}

TEST_F(Copy, HeaderRuns) {
    SelectItem(s().Sel, 0, -1);
    *s().Sel.mark(2, -1) = kMarkSelected;
    AnalyseSelection(s().Sel);
    EXPECT_EQ(CopySelection(f.m), "1 000\t\t4 000");
    SelectItem(s().Sel, -1, 0);
    SelectRange(s().Sel, -1, 1);
    EXPECT_EQ(CopySelection(f.m), "0\n100");
}

TEST_F(Copy, CollapsedRowLimitsTheCopiedCells) {
    SelectItem(s().Sel, 0, 0);
    SelectRange(s().Sel, 1, 1);
    s().Y.Collapsed = true;
    s().Y.CollapsedIndex = 1;
    EXPECT_EQ(CopySelection(f.m), "8\t14");
}

TEST_F(Copy, NothingSelectedGivesNothingAndEditCopiesItsSelectedText) {
    EXPECT_EQ(CopySelection(f.m), "");
    BeginEditText(f.m.Edit, 0, 0, "12.5");
    EXPECT_EQ(CopySelection(f.m), "");
    SelectAllText(f.m.Edit);
    EXPECT_EQ(CopySelection(f.m), "12.5");
}

TEST(CopyCzech, DecimalComma) {
    EditorFixture f(DefineTpsSensorSheet);
    f.sheet().cell(0, 0) = 500;
    SelectItem(f.sheet().Sel, 0, 0);
    EXPECT_EQ(CopySelection(f.m), "0.5");
    f.m.Lang = 3;
    EXPECT_EQ(CopySelection(f.m), "0,5");
    EXPECT_NE(CopyTable(f.m).Plain.find("0,5"), std::string::npos);
}

TEST(CopyNamed, NamedBreakpointsWriteTheirText) {
    EditorFixture f(DefineAdvanceSheet);
    f.sheet().X.NamedValues = true;
    f.m.NamedText = [](int id) { return "name" + std::to_string(id); };
    SelectItem(f.sheet().Sel, 0, -1);
    EXPECT_EQ(CopySelection(f.m), "name10");
}

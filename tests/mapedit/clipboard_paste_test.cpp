#include "editor_sheets.h"
#include "mapedit/clipboard_copy.h"
#include "mapedit/clipboard_paste.h"

#include <gtest/gtest.h>

TEST(PasteText, ThousandsGroupsReadBackIntoBreakpoints) {
    EditorFixture f(DefineAdvanceSheet);
    CSheet& s = f.sheet();
    s.X.Values[0] = 10, s.X.Values[1] = 20, s.X.Values[2] = 40;
    NormalizeAxes(f.m, 0, kAxisX | kResetElastic);
    SelectItem(s.Sel, 0, -1);
    SelectRange(s.Sel, 2, -1);
    std::string text = CopySelection(f.m);
    ASSERT_EQ(text, "1 000\t2 000\t4 000");
    s.X.Values[0] = 1, s.X.Values[1] = 2, s.X.Values[2] = 3;
    NormalizeAxes(f.m, 0, kAxisX | kResetElastic);
    SelectItem(s.Sel, 0, -1);
    ASSERT_TRUE(PasteText(f.m, text));
    EXPECT_EQ(s.X.Values[0], 10);
    EXPECT_EQ(s.X.Values[1], 20);
    EXPECT_EQ(s.X.Values[2], 40);
    EXPECT_EQ(s.Sel.Count, 3);
    EXPECT_EQ(s.Sel.Kind, skXHeader);
    EXPECT_EQ(f.changeParts(), std::vector<int>{1});
}

TEST(PasteText, CommaReadsAsDecimalPointInAnyLanguage) {
    EditorFixture f(DefineTpsSensorSheet);
    SelectItem(f.sheet().Sel, 0, 1);
    PasteText(f.m, "0,5");
    EXPECT_EQ(f.sheet().cell(0, 1), 500);
}

TEST(PasteText, SensorVoltageInMillivoltsIsReadAsThousandths) {
    EditorFixture f(DefineTpsSensorSheet);
    for (const char* text : {"4500", "4.5", "4 500"}) {
        f.sheet().cell(0, 0) = 0;
        SelectItem(f.sheet().Sel, 0, 0);
        PasteText(f.m, text);
        EXPECT_EQ(f.sheet().cell(0, 0), 4500) << text;
    }
}

TEST(PasteText, BlockIsCutAtTheLastColumn) {
    EditorFixture f(DefineAdvanceSheet);
    CSheet& s = f.sheet();
    s.X.Count = 15;
    SelectItem(s.Sel, 14, 2);
    PasteText(f.m, "1\t2\t3\r\n4\t5\t6\r\n7\t8\t9\r\n");
    EXPECT_EQ(s.cell(14, 2), 1);
    EXPECT_EQ(s.cell(14, 3), 4);
    EXPECT_EQ(s.cell(14, 4), 7);
    EXPECT_EQ(s.cell(13, 2), 0);
    EXPECT_EQ(s.cell(0, 3), 0);
    EXPECT_EQ(s.Sel.Count, 3);
}

TEST(PasteText, SpacesSeparateFieldsButTrailingSpacesDoNot) {
    EditorFixture f(DefineAdvanceSheet);
    CSheet& s = f.sheet();
    SelectItem(s.Sel, 0, 0);
    PasteText(f.m, "  1  2 \t3\n4 12345");
    EXPECT_EQ(s.cell(0, 0), 1);
    EXPECT_EQ(s.cell(1, 0), 2);
    EXPECT_EQ(s.cell(2, 0), 3);
    EXPECT_EQ(s.cell(0, 1), 4);
    EXPECT_EQ(s.cell(1, 1), 12); // beyond 5 x Max: read as thousandths
}

TEST(PasteText, UnparsableTokensLeaveTheirTargetAlone) {
    EditorFixture f(DefineAdvanceSheet);
    CSheet& s = f.sheet();
    s.cell(0, 0) = 7, s.cell(1, 0) = 7;
    SelectItem(s.Sel, 0, 0);
    EXPECT_FALSE(PasteText(f.m, "abc\t-"));
    EXPECT_EQ(s.cell(0, 0), 7);
    EXPECT_EQ(s.cell(1, 0), 7);
    EXPECT_TRUE(f.events.empty());
}

TEST(PasteText, RefusedOnAFixedAxisOrWithoutSelection) {
    EditorFixture f(DefineAdvanceSheet);
    EXPECT_FALSE(PasteText(f.m, "5"));
    SelectItem(f.sheet().Sel, -1, 0); // throttle breakpoints are fixed
    EXPECT_FALSE(PasteText(f.m, "5"));
    EXPECT_EQ(f.sheet().Y.Values[0], 0);
    EXPECT_EQ(f.sheet().Sel.Count, 1);
}

TEST(PasteText, CollapsedAxisNeedsItsLineAndGetsOnlyIt) {
    EditorFixture f(DefineAdvanceSheet);
    CSheet& s = f.sheet();
    s.Y.Collapsed = true;
    s.Y.CollapsedIndex = 9;
    SelectItem(s.Sel, 0, 0);
    EXPECT_FALSE(PasteText(f.m, "5"));
    SelectItem(s.Sel, 0, 9);
    PasteText(f.m, "5\t6\n7\t8");
    EXPECT_EQ(s.cell(0, 9), 5);
    EXPECT_EQ(s.cell(1, 9), 6);
    EXPECT_EQ(s.cell(0, 0), 0);
}

TEST(PasteText, DuringEditingGoesIntoTheText) {
    EditorFixture f(DefineAdvanceSheet);
    BeginEditText(f.m.Edit, 0, 0, "1");
    PasteText(f.m, "2,5x\t99");
    EXPECT_EQ(f.m.Edit.Text, "12.5");
    PasteText(f.m, std::string(40, '7'));
    EXPECT_EQ(f.m.Edit.Text.size(), size_t(16));
}

namespace {

std::string advanceSheetText(int sizeX, const char* only = "") {
    EditorFixture src(DefineAdvanceSheet);
    src.sheet().X.Count = sizeX;
    for (int i = 0; i < 15; ++i) src.sheet().X.Values[size_t(i)] = 5 + 10 * i;
    for (int c = 0; c < 15; ++c) src.sheet().cell(c, 0) = c;
    std::string text = CopyTable(src.m).Sheet;
    size_t at = text.find("OnlyXY:\t") + 8;
    return text.insert(at, only);
}

} // namespace

TEST(PasteSheet, MatchingLabelsResizeTheAdvanceMap) {
    EditorFixture f(DefineAdvanceSheet);
    CPasteResult r = PasteSheet(f.m, advanceSheetText(12));
    EXPECT_TRUE(r.Changed);
    EXPECT_FALSE(r.Message);
    EXPECT_EQ(f.sheet().X.Count, 12);
    EXPECT_EQ(f.sheet().X.Values[11], 115);
    EXPECT_EQ(f.sheet().cell(11, 0), 11);
    EXPECT_EQ(f.sheet().Sel.Count, 0);
    ASSERT_EQ(f.changeParts().size(), size_t(1));
}

TEST(PasteSheet, TpsSensorSheetCannotChangeSize) {
    EditorFixture f(DefineTpsSensorSheet);
    f.sheet().cell(0, 0) = 321;
    CPasteResult r = PasteSheet(f.m, advanceSheetText(12));
    ASSERT_TRUE(r.Message);
    EXPECT_EQ(
        r.Message->Text,
        "Table dimensions are not eqal and there is unable to change it !\nInsertion canceled...");
    EXPECT_EQ(r.Message->Caption, "Error");
    EXPECT_EQ(f.sheet().cell(0, 0), 321);
    EXPECT_TRUE(f.events.empty());
}

TEST(PasteSheet, IapSensorSheetMatchesNothing) {
    EditorFixture f(DefineIapSensorSheet);
    CPasteResult r = PasteSheet(f.m, advanceSheetText(12));
    EXPECT_FALSE(r.Changed);
    EXPECT_FALSE(r.Message);
    EXPECT_TRUE(f.events.empty());
}

TEST(PasteSheet, ServoTextGivesTheAdvanceMapOnlyItsSpeedBreakpoints) {
    EditorFixture servo(DefineServoSheet);
    servo.sheet().X.Count = 10;
    for (int i = 0; i < 10; ++i) servo.sheet().X.Values[size_t(i)] = 12 + 10 * i;
    servo.sheet().cell(0, 0) = 77;
    std::string text = CopyTable(servo.m).Sheet;
    EditorFixture f(DefineAdvanceSheet);
    CPasteResult r = PasteSheet(f.m, text);
    EXPECT_TRUE(r.Changed);
    EXPECT_EQ(f.sheet().X.Values[0], 12);
    EXPECT_EQ(f.sheet().X.Values[9], 102);
    EXPECT_EQ(f.sheet().cell(0, 0), 0);
    EXPECT_EQ(f.sheet().Y.Values[1], 2);
}

TEST(PasteSheet, ServoTextOfAnotherWidthIsRefused) {
    EditorFixture servo(DefineServoSheet); // 15 columns
    EditorFixture f(DefineAdvanceSheet);   // 10 columns, data labels differ
    CPasteResult r = PasteSheet(f.m, CopyTable(servo.m).Sheet);
    EXPECT_TRUE(r.Message);
    EXPECT_EQ(f.sheet().X.Count, 10);
}

TEST(PasteSheet, CollapseRequestsFollowTheCollapseOptions) {
    EditorFixture f(DefineAdvanceSheet); // X option 0, Y option 1
    PasteSheet(f.m, advanceSheetText(10, "X"));
    EXPECT_FALSE(f.sheet().X.Collapsed);
    PasteSheet(f.m, advanceSheetText(10, "Y"));
    EXPECT_TRUE(f.sheet().Y.Collapsed);
    EXPECT_EQ(f.sheet().Y.CollapsedIndex, 9);
}

TEST(PasteSheet, CzechCopyReadsBackAndSizesAreClamped) {
    EditorFixture src(DefineTpsSensorSheet);
    src.sheet().cell(0, 0) = 500;
    src.m.Lang = 3;
    std::string text = CopyTable(src.m).Sheet;
    ASSERT_NE(text.find("0,5"), std::string::npos);
    EditorFixture f(DefineTpsSensorSheet);
    PasteSheet(f.m, text);
    EXPECT_EQ(f.sheet().cell(0, 0), 500);
    EditorFixture adv(DefineAdvanceSheet);
    std::string big = advanceSheetText(10);
    big.replace(big.find("SizeX:\t10"), 9, "SizeX:\t99");
    PasteSheet(adv.m, big);
    EXPECT_EQ(adv.sheet().X.Count, 15);
}

TEST(PasteSheet, HeaderWithoutSizesOrLabelsIsIgnored) {
    EditorFixture f(DefineAdvanceSheet);
    EXPECT_FALSE(PasteSheet(f.m, "LabelX:\tRPM\n\t1\t2\n").Changed);
    EXPECT_FALSE(PasteSheet(f.m, "SizeX:\t10\nSizeY:\t10\n\t1\t2\n").Changed);
    EXPECT_FALSE(PasteSheet(f.m, "").Changed);
}

TEST(PasteSheet, LongTextIsReadWhole) {
    EditorFixture f(DefineAdvanceSheet);
    std::string text = "LabelX:\tRPM\nLabelData:\tADV\nSizeX:\t10\nSizeY:\t10\n\t";
    for (int i = 0; i < 10; ++i)
        text += std::to_string(1000 + 1000 * i) + std::string(2000, ' ') + "\t";
    text += "\n0";
    for (int c = 0; c < 10; ++c) text += "\t" + std::string(1000, ' ') + std::to_string(c);
    ASSERT_GT(text.size(), size_t(9000));
    PasteSheet(f.m, text);
    EXPECT_EQ(f.sheet().X.Values[9], 100);
    EXPECT_EQ(f.sheet().cell(9, 0), 9);
}

TEST(Paste, PrefersTheSheetFormat) {
    EditorFixture f(DefineAdvanceSheet);
    SelectItem(f.sheet().Sel, 0, 0);
    Paste(f.m, std::string("9"), std::nullopt);
    EXPECT_EQ(f.sheet().cell(0, 0), 9);
    Paste(f.m, std::string("8"), advanceSheetText(10));
    EXPECT_EQ(f.sheet().cell(0, 0), 0);
    EXPECT_FALSE(Paste(f.m, std::nullopt, std::nullopt).Changed);
}

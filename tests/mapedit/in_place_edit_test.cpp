#include "editor_sheets.h"
#include "mapedit/in_place_edit.h"

#include <gtest/gtest.h>

TEST(EditBuffer, AcceptsNumberCharactersUpToSixteen) {
    CEditBuffer e;
    BeginEditText(e, 0, 0, "");
    for (char c : std::string("1a2,-. x")) TypeChar(e, c);
    EXPECT_EQ(e.Text, "12,-. ");
    for (int i = 0; i < 20; ++i) TypeChar(e, '9');
    EXPECT_EQ(e.Text.size(), size_t(16));
}

TEST(EditBuffer, CaretKeysAndShiftSelection) {
    CEditBuffer e;
    BeginEditText(e, 0, 0, "12345");
    EditKeyPress(e, EditKey::Home, false);
    EditKeyPress(e, EditKey::Right, true);
    EditKeyPress(e, EditKey::Right, true);
    EXPECT_EQ(e.selectedText(), "12");
    TypeChar(e, '9'); // replaces the selection
    EXPECT_EQ(e.Text, "9345");
    EXPECT_EQ(e.Caret, 1);
    EditKeyPress(e, EditKey::Delete, false);
    EXPECT_EQ(e.Text, "945");
    EditKeyPress(e, EditKey::Backspace, false);
    EXPECT_EQ(e.Text, "45");
    EditKeyPress(e, EditKey::Backspace, false); // at the start: nothing
    EXPECT_EQ(e.Text, "45");
    EditKeyPress(e, EditKey::End, true);
    EditKeyPress(e, EditKey::Backspace, false);
    EXPECT_EQ(e.Text, "");
    EditKeyPress(e, EditKey::Left, false);
    EXPECT_EQ(e.Caret, 0);
}

TEST(EditBuffer, InsertTextIsCutToCapacity) {
    CEditBuffer e;
    BeginEditText(e, 0, 0, "1234567890");
    SelectAllText(e);
    InsertText(e, "55");
    EXPECT_EQ(e.Text, "55");
    InsertText(e, "123456789012345678901234");
    EXPECT_EQ(e.Text, "5512345678901234");
}

struct TypedCase {
    const char* text;
    int32_t want;
};

TEST(InPlaceEdit, TypedTextIsScaledAndRounded) {
    EditorFixture f(DefineServoSheet); // cells in 20 mV units
    const TypedCase cases[] = {{"1,5", 75}, {"1 . 5", 75}, {"0.03", 2}, {"0.01", 1}, {"2", 100}};
    for (auto c : cases) {
        ASSERT_TRUE(StartEdit(f.m, 1, 1, true));
        InsertText(f.m.Edit, c.text);
        CommitEdit(f.m);
        EXPECT_EQ(f.sheet().cell(1, 1), c.want) << c.text;
    }
    EXPECT_EQ(f.changeParts().size(), std::size(cases));
}

TEST(InPlaceEdit, NegativeValuesRoundAwayFromZero) {
    EditorFixture f(DefineAdvanceSheet);
    StartEdit(f.m, 0, 0, true);
    InsertText(f.m.Edit, "-2.5");
    CommitEdit(f.m);
    EXPECT_EQ(f.sheet().cell(0, 0), -3);
}

TEST(InPlaceEdit, StartsWithTheFormattedValue) {
    EditorFixture f(DefineAdvanceSheet);
    ASSERT_TRUE(StartEdit(f.m, 2, -1, false, true));
    EXPECT_EQ(f.m.Edit.Text, "3 000");
    EXPECT_EQ(f.m.Edit.selectedText(), "3 000");
    TypeChar(f.m.Edit, '4');
    TypeChar(f.m.Edit, '5');
    TypeChar(f.m.Edit, '0');
    TypeChar(f.m.Edit, '0');
    CommitEdit(f.m);
    EXPECT_EQ(f.sheet().X.Values[2], 45); // hundreds of rpm, then ordered
    EXPECT_EQ(f.changeParts(), std::vector<int>{1});
}

TEST(InPlaceEdit, UnreadableTextAndCancelChangeNothing) {
    EditorFixture f(DefineAdvanceSheet);
    f.sheet().cell(0, 0) = 7;
    StartEdit(f.m, 0, 0, true);
    InsertText(f.m.Edit, "-.");
    CommitEdit(f.m);
    StartEdit(f.m, 0, 0, true);
    InsertText(f.m.Edit, "12");
    CancelEdit(f.m);
    EXPECT_EQ(f.sheet().cell(0, 0), 7);
    EXPECT_FALSE(f.m.Edit.Active);
    EXPECT_TRUE(f.changeParts().empty());
}

TEST(InPlaceEdit, RefusedOnFixedAxesAndOutsideTheTable) {
    EditorFixture f(DefineAdvanceSheet);
    EXPECT_FALSE(StartEdit(f.m, -1, 3, false)); // throttle breakpoints are fixed
    EXPECT_FALSE(StartEdit(f.m, 10, 0, false)); // beyond the 10 used columns
    EXPECT_FALSE(f.m.Edit.Active);
}

TEST(InPlaceEdit, TypedValueIsClampedByNormalisation) {
    EditorFixture f(DefineAdvanceSheet);
    StartEdit(f.m, 0, 0, true);
    InsertText(f.m.Edit, "99999999999");
    CommitEdit(f.m);
    EXPECT_EQ(f.sheet().cell(0, 0), 60);
}

TEST(EditBuffer, ClickPlacesTheCaretAtTheNearestBoundary) {
    CEditBuffer e;
    BeginEditText(e, 0, 0, "123");
    const int boundaries[] = {10, 17, 24, 31};
    PlaceCaret(e, boundaries, 0); // left of the text: before the first character
    EXPECT_EQ(e.Caret, 0);
    PlaceCaret(e, boundaries, 22);
    EXPECT_EQ(e.Caret, 2);
    PlaceCaret(e, boundaries, 200);
    EXPECT_EQ(e.Caret, 3);
    EXPECT_FALSE(e.hasSelection());
}

#include "editor_sheets.h"
#include "mapedit/commands.h"
#include "mapedit/table_keys.h"

#include <gtest/gtest.h>

namespace {

struct Keys : testing::Test {
    EditorFixture f{DefineAdvanceSheet};
    CSheet& s() { return f.sheet(); }
    void type(const char* text) {
        for (const char* p = text; *p; ++p) TableChar(f.m, *p);
    }
};

} // namespace

TEST_F(Keys, TypingStartsAnEditAndEnterCommitsAndMovesDown) {
    SelectItem(s().Sel, 2, 3);
    type("12");
    EXPECT_TRUE(f.m.Edit.Active);
    EXPECT_TRUE(TableKeyDown(f.m, TableKey::Enter, false));
    EXPECT_EQ(s().cell(2, 3), 12);
    EXPECT_EQ(s().Sel.MinY, 4);
    type("5");
    TableKeyDown(f.m, TableKey::Home, false);
    type("-");
    TableKeyDown(f.m, TableKey::Up, false);
    EXPECT_EQ(s().cell(2, 4), -5); // "-" goes into the text while editing
    EXPECT_EQ(s().Sel.MinY, 3);
}

TEST_F(Keys, EscapeCancelsThenClearsTheSelection) {
    SelectItem(s().Sel, 0, 0);
    type("9");
    TableKeyDown(f.m, TableKey::Escape, false);
    EXPECT_FALSE(f.m.Edit.Active);
    EXPECT_EQ(s().cell(0, 0), 0);
    EXPECT_EQ(s().Sel.Count, 1);
    TableKeyDown(f.m, TableKey::Escape, false);
    EXPECT_EQ(s().Sel.Count, 0);
}

TEST_F(Keys, PlusAndMinusStepWhenNotEditing) {
    SelectItem(s().Sel, 1, 1);
    TableChar(f.m, '+');
    TableChar(f.m, '+');
    TableChar(f.m, '-');
    EXPECT_EQ(s().cell(1, 1), 1);
    EXPECT_FALSE(f.m.Edit.Active);
}

TEST_F(Keys, InsertKeepsTheValueAndEditKeysWork) {
    s().cell(0, 0) = 25;
    SelectItem(s().Sel, 0, 0);
    TableKeyDown(f.m, TableKey::Insert, false);
    EXPECT_EQ(f.m.Edit.Text, "25");
    TableKeyDown(f.m, TableKey::Home, false);
    TableKeyDown(f.m, TableKey::Delete, false);
    TableKeyDown(f.m, TableKey::End, false);
    type("0");
    TableKeyDown(f.m, TableKey::PageDown, false);
    EXPECT_EQ(s().cell(0, 0), 50);
}

TEST_F(Keys, HomeEndAndPageKeysGoToTheEdges) {
    SelectItem(s().Sel, 4, 4);
    TableKeyDown(f.m, TableKey::End, false);
    TableKeyDown(f.m, TableKey::PageDown, false);
    EXPECT_EQ(s().Sel.MinX, 9);
    EXPECT_EQ(s().Sel.MinY, 9);
    TableKeyDown(f.m, TableKey::Home, true);
    EXPECT_EQ(s().Sel.Count, 10);
    s().Y.Collapsed = true;
    s().Y.CollapsedIndex = 9;
    SelectItem(s().Sel, 4, 9);
    TableKeyDown(f.m, TableKey::PageUp, false); // the header row on a collapsed axis
    EXPECT_EQ(s().Sel.MinY, -1);
}

TEST_F(Keys, BackspaceStartsWithEmptyTextAndFixedItemsAreNotEdited) {
    s().cell(0, 0) = 25;
    SelectItem(s().Sel, 0, 0);
    TableKeyDown(f.m, TableKey::Backspace, false);
    EXPECT_TRUE(f.m.Edit.Active);
    EXPECT_EQ(f.m.Edit.Text, "");
    TableKeyDown(f.m, TableKey::Escape, false);
    SelectItem(s().Sel, -1, 0);
    EXPECT_FALSE(TableChar(f.m, '5'));
    EXPECT_FALSE(f.m.Edit.Active);
}

TEST_F(Keys, ClipboardShortcutsComeBeforeTheTableKeys) {
    struct {
        TableKey key;
        bool shift, ctrl;
        int command;
    } keys[] = {{TableKey::Insert, false, true, kCmdCopy},
                {TableKey::Insert, true, false, kCmdPaste},
                {TableKey::Insert, false, false, -1},
                {TableKey::Delete, true, false, -1}};
    for (auto k : keys) EXPECT_EQ(ShortcutCommand(k.key, k.shift, k.ctrl), k.command);
    EXPECT_EQ(ShortcutCharCommand(3), kCmdCopy);
    EXPECT_EQ(ShortcutCharCommand(22), kCmdPaste);
    EXPECT_EQ(ShortcutCharCommand('c'), -1);
    // Shift+Insert is the paste shortcut, never the start of an edit.
    SelectItem(s().Sel, 0, 0);
    EXPECT_FALSE(TableKeyDown(f.m, TableKey::Insert, true));
    EXPECT_FALSE(f.m.Edit.Active);
}

TEST(SheetKeys, TabSkipsHiddenSheetsAndCtrlTabGoesBack) {
    CTabModel m;
    DefineAdvanceSheet(m);
    DefineServoSheet(m);
    DefineTpsSensorSheet(m);
    m.Sheets[1].Hidden = true;
    SelectSheet(m, 0);
    EXPECT_TRUE(CycleSheet(m, 1));
    EXPECT_EQ(m.Current, 2);
    EXPECT_TRUE(CycleSheet(m, 1));
    EXPECT_EQ(m.Current, 0);
    EXPECT_TRUE(CycleSheet(m, -1));
    EXPECT_EQ(m.Current, 2);
    EXPECT_TRUE(BackToPreviousSheet(m));
    EXPECT_EQ(m.Current, 0);
    CTabModel single;
    DefineAdvanceSheet(single);
    SelectSheet(single, 0);
    EXPECT_FALSE(CycleSheet(single, 1));
}

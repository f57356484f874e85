#include "editor_sheets.h"
#include "mapedit/menu_selection.h"

#include <gtest/gtest.h>

namespace {

struct Menu : testing::Test {
    EditorFixture f{DefineAdvanceSheet}; // 10 x 10
    CSheet& s() { return f.sheet(); }
};

} // namespace

TEST_F(Menu, TitleAreasSelectTheirHeaderCells) {
    SelectForMenu(s(), TableHit::XTitle, 0, 0);
    EXPECT_EQ(s().Sel.Kind, skXHeader);
    EXPECT_EQ(s().Sel.Count, 10);
    EXPECT_TRUE(s().Sel.IsRect);
    SelectForMenu(s(), TableHit::YTitle, 0, 0);
    EXPECT_EQ(s().Sel.Kind, skYHeader);
    s().Y.Collapsed = true; // with Y off the title belongs to the X header
    SelectForMenu(s(), TableHit::YTitle, 0, 0);
    EXPECT_EQ(s().Sel.Kind, skXHeader);
}

TEST_F(Menu, SelectAllAndItems) {
    SelectForMenu(s(), TableHit::SelectAll, 0, 0);
    EXPECT_EQ(s().Sel.Count, 100);
    SelectForMenu(s(), TableHit::Item, 3, 3); // already selected: unchanged
    EXPECT_EQ(s().Sel.Count, 100);
    SelectForMenu(s(), TableHit::Item, 3, -1);
    EXPECT_EQ(s().Sel.Count, 1);
    EXPECT_EQ(s().Sel.Kind, skXHeader);
    SelectForMenu(s(), TableHit::None, 0, 0);
    EXPECT_EQ(s().Sel.Count, 0);
}

TEST_F(Menu, StripsSelectWholeLinesUnlessAlreadySelected) {
    SelectForMenu(s(), TableHit::Column, 4, 0);
    EXPECT_EQ(s().Sel.Count, 10);
    EXPECT_EQ(s().Sel.MinX, 4);
    SelectForMenu(s(), TableHit::SelectAll, 0, 0);
    SelectForMenu(s(), TableHit::Row, 0, 2); // all its cells are selected already
    EXPECT_EQ(s().Sel.Count, 100);
    s().Y.Collapsed = true;
    s().Y.CollapsedIndex = 9;
    ClearSelection(s().Sel);
    SelectForMenu(s(), TableHit::Column, 2, 0); // only its shown cell
    EXPECT_EQ(s().Sel.Count, 1);
    EXPECT_TRUE(s().Sel.isMarked(2, 9));
}

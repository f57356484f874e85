#pragma once
// How a right press adjusts the selection before the popup menu opens, given
// what the table view found under the mouse.

#include "mapedit/sheet.h"

enum class TableHit {
    None,
    XTitle,    // corner part above its diagonal
    YTitle,    // corner part below its diagonal
    SelectAll, // the select-all box
    Item,      // a cell or a header cell at (x, y)
    Column,    // the strip of column x
    Row        // the strip of row y
};

void SelectForMenu(CSheet& s, TableHit hit, int x, int y);

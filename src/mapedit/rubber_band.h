#pragma once
// Selecting with the mouse: a band from the anchor to the pointer marks every
// item of the gesture's kind that it meets (mark bit 2); the end of the
// gesture settles the marks.  The table view supplies the item rectangles.

#include "mapedit/sheet.h"

#include <functional>
#include <optional>

struct CRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
bool RectsMeet(const CRect& a, const CRect& b);

// Screen rectangle of an item: kind skCells (x, y), skXHeader (x), skYHeader
// (y), smColumns (column strip x) or smRows (row strip y); none when it has none.
using ItemRectFn = std::function<std::optional<CRect>(int kind, int x, int y)>;

// region: skCells, skXHeader, skYHeader, smColumns or smRows; (x, y) the item
// under the mouse.  Shift alone extends from the old anchor, Ctrl alone adds
// to the selection; otherwise the selection starts anew.
void BeginRubberBand(CSheet& s, int region, int x, int y, int mouseX, int mouseY, bool shift,
                     bool ctrl, const ItemRectFn& rects, const CRect& client);
// Returns whether any mark changed.
bool UpdateRubberBand(CSheet& s, int mouseX, int mouseY, const ItemRectFn& rects,
                      const CRect& client);
void EndRubberBand(CSheet& s);

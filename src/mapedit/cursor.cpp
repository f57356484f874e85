#include "mapedit/cursor.h"

#include "mapedit/in_place_edit.h"

#include <algorithm>

namespace {

// The axis's own line indices: -1 (header) up to Count-1; only the collapsed
// index when the axis is switched off.
int moveOnAxis(const CAxe& axis, int pos, int delta, bool headerAllowed) {
    if (IsAbsoluteMove(delta)) {
        int target = delta - kAbsoluteBase;
        if (axis.Collapsed) return target < 0 ? -1 : axis.CollapsedIndex;
        return std::clamp(target, -1, axis.Count - 1);
    }
    if (delta == 0) return pos;
    if (axis.Collapsed) return pos == -1 ? axis.CollapsedIndex : -1;
    int lower = headerAllowed ? -1 : 0;
    pos += delta;
    if (pos < lower) return axis.Count - 1;
    if (pos >= axis.Count) return lower;
    return pos;
}

int extendOnAxis(const CAxe& axis, int pos, int delta) {
    if (pos == -1) return -1;
    if (axis.Collapsed) return axis.CollapsedIndex;
    int target = IsAbsoluteMove(delta) ? delta - kAbsoluteBase : pos + delta;
    return std::clamp(target, 0, axis.Count - 1);
}

bool scrollAxis(CAxe& axis, int index, int visible) {
    if (axis.Collapsed || index < 0) return false;
    visible = std::max(visible, 1);
    int off = axis.ScrollOffset;
    if (index < off)
        off = index;
    else if (index >= off + visible)
        off = index - visible + 1;
    off = std::clamp(off, 0, std::max(0, axis.Count - visible));
    if (off == axis.ScrollOffset) return false;
    axis.ScrollOffset = off;
    return true;
}

void goTo(CTabModel& m, CSheet& s, int x, int y) {
    if (x < 0 && y < 0) return;
    SelectItem(s.Sel, x, y);
    ScrollIntoView(m, x, y);
    m.Redraw |= 1;
}

} // namespace

void MoveCursor(CTabModel& m, int dx, int dy, bool extend) {
    CSheet* s = m.current();
    if (!s) return;
    bool bothAbsolute = IsAbsoluteMove(dx) && IsAbsoluteMove(dy);
    if (s->Sel.Count == 0 && !bothAbsolute) return;
    if (extend) {
        int x = extendOnAxis(s->X, s->Sel.RangeX, dx);
        int y = extendOnAxis(s->Y, s->Sel.RangeY, dy);
        SelectRange(s->Sel, x, y);
        ScrollIntoView(m, x, y);
        m.Redraw |= 1;
        return;
    }
    int x = s->Sel.MinX, y = s->Sel.MinY;
    x = moveOnAxis(s->X, x, dx, !(y == -1 || s->Y.Collapsed));
    y = moveOnAxis(s->Y, y, dy, !(x == -1 || s->X.Collapsed));
    goTo(m, *s, x, y);
}

void MoveCursorEnter(CTabModel& m) {
    CSheet* s = m.current();
    if (!s || s->Sel.Count == 0) return;
    int x = s->Sel.MinX, y = s->Sel.MinY;
    int firstRow = s->Y.Collapsed ? s->Y.CollapsedIndex : 0;
    int firstCol = s->X.Collapsed ? s->X.CollapsedIndex : 0;
    bool lastRow = y >= 0 && (s->Y.Collapsed || y + 1 >= s->Y.Count);
    if (!lastRow) {
        y = y < 0 ? firstRow : y + 1;
    } else if (x < 0) {
        x = firstCol, y = -1;
    } else if (!s->X.Collapsed && x + 1 < s->X.Count) {
        x = x + 1, y = -1;
    } else {
        x = -1, y = firstRow;
    }
    goTo(m, *s, x, y);
}

void ScrollIntoView(CTabModel& m, int x, int y) {
    CSheet* s = m.current();
    if (!s) return;
    bool moved = scrollAxis(s->X, x, m.VisibleCols);
    moved = scrollAxis(s->Y, y, m.VisibleRows) || moved;
    if (!moved) return;
    if (m.Edit.Active) CommitEdit(m);
    m.Arrows.Shown = false;
    m.Arrows.Pressed = 0;
    m.Redraw |= 2;
}

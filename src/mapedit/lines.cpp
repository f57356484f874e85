#include "mapedit/lines.h"

#include "mapedit/change_commit.h"
#include "mapedit/cursor.h"

#include <algorithm>
#include <cmath>

namespace {

// Addresses lines of one axis uniformly: rows for Y, columns for X.
struct Lines {
    CSheet& s;
    bool rows;
    CAxe& axis() { return rows ? s.Y : s.X; }
    CAxe& other() { return rows ? s.X : s.Y; }
    int32_t& cell(int line, int i) { return rows ? s.cell(i, line) : s.cell(line, i); }
    uint16_t& cellMark(int line, int i) {
        return s.Sel.CellMarks[size_t(rows ? CellIndex(i, line) : CellIndex(line, i))];
    }
    uint16_t& headerMark(int line) {
        return rows ? s.Sel.YMarks[size_t(line)] : s.Sel.XMarks[size_t(line)];
    }
    // Copies line `from` onto line `to`: breakpoint, cells and marks.
    void copyLine(int from, int to) {
        axis().Values[size_t(to)] = axis().Values[size_t(from)];
        headerMark(to) = headerMark(from);
        for (int i = 0; i < otherCapacity(); ++i) {
            if (i < other().Count) cell(to, i) = cell(from, i);
            cellMark(to, i) = cellMark(from, i);
        }
    }
    int otherCapacity() const { return rows ? kMaxColumns : kMaxRows; }
    bool fullySelected(int line) {
        if (s.Sel.Kind == (rows ? skYHeader : skXHeader)) return headerMark(line) != 0;
        if (s.Sel.Kind != skCells) return false;
        if (other().Collapsed) return cellMark(line, other().CollapsedIndex) != 0;
        for (int i = 0; i < other().Count; ++i)
            if (!cellMark(line, i)) return false;
        return other().Count > 0;
    }
};

void selectLine(Lines& l, int index) {
    TSel& sel = l.s.Sel;
    ClearSelection(sel);
    int from = 0, to = l.other().Count - 1;
    if (l.other().Collapsed) from = to = l.other().CollapsedIndex;
    for (int i = from; i <= to; ++i) l.cellMark(index, i) = kMarkSelected;
    sel.CursorX = l.rows ? from : index;
    sel.CursorY = l.rows ? index : from;
    sel.RangeX = l.rows ? to : index;
    sel.RangeY = l.rows ? index : to;
    UpdateSelectionBounds(sel);
    AnalyseSelection(sel);
}

} // namespace

int LineBoundaryIndex(int scrollOffset, double offset, double lineSize) {
    if (!(lineSize > 0)) return scrollOffset;
    return scrollOffset + int(std::trunc((offset + lineSize / 2) / lineSize));
}

std::optional<CEditorMessage> InsertLine(CTabModel& m, int axisBit, int index) {
    CSheet* s = m.current();
    if (!s || (axisBit != kAxisX && axisBit != kAxisY)) return std::nullopt;
    Lines l{*s, axisBit == kAxisY};
    CAxe& a = l.axis();
    if (!a.Resizable || a.Collapsed) return std::nullopt;
    if (a.Count >= a.MaxCount)
        return CEditorMessage{l.rows ? "Row count is on maximum !\nDelete some first..."
                                     : "Column count is on maximum !\nDelete some first...",
                              "Error"};
    index = std::clamp(index, 0, a.Count);
    NoteChange(m, 0, ChangeBegin);
    ClearSelection(s->Sel);
    int oldCount = a.Count;
    for (int i = a.Count; i > index; --i) l.copyLine(i - 1, i);
    a.Count += 1;
    RequestLayout(m);
    int lo = index - 1 < 0 ? index + 1 : index - 1;
    int hi = index + 1 >= a.Count ? index - 1 : index + 1;
    for (int i = 0; i < l.other().Count; ++i)
        l.cell(index, i) = int32_t((int64_t(l.cell(lo, i)) + l.cell(hi, i)) / 2);
    auto& v = a.Values;
    if (index == oldCount && index > 0) {
        // The slot beyond the old count still holds a stored breakpoint: keep it when it fits.
        if (v[size_t(index)] <= v[size_t(index - 1)]) v[size_t(index)] = v[size_t(index - 1)];
    } else {
        v[size_t(index)] = int32_t((int64_t(v[size_t(lo)]) + v[size_t(hi)]) / 2);
    }
    selectLine(l, index);
    ScrollIntoView(m, l.rows ? -1 : index, l.rows ? index : -1);
    NoteChange(m, (l.rows ? kAxisY : kAxisX) | kAxisData, ChangeEnd);
    return std::nullopt;
}

void DeleteSelectedLines(CTabModel& m, int axisBit) {
    CSheet* s = m.current();
    if (!s || (axisBit != kAxisX && axisBit != kAxisY)) return;
    Lines l{*s, axisBit == kAxisY};
    CAxe& a = l.axis();
    if (!a.Resizable || a.Collapsed) return;
    bool deleted = false;
    for (int i = 0; i < a.Count;) {
        if (!l.fullySelected(i) || a.Count <= a.MinCount) {
            ++i;
            continue;
        }
        if (!deleted) NoteChange(m, 0, ChangeBegin);
        deleted = true;
        for (int j = i; j < a.Count - 1; ++j) l.copyLine(j + 1, j);
        // The vacated line keeps its values but no longer belongs to the selection.
        int vacated = a.Count - 1;
        l.headerMark(vacated) = 0;
        for (int k = 0; k < l.otherCapacity(); ++k) l.cellMark(vacated, k) = 0;
        a.Count -= 1;
    }
    if (!deleted) return;
    UpdateSelectionBounds(s->Sel);
    AnalyseSelection(s->Sel);
    RequestLayout(m);
    NoteChange(m, (l.rows ? kAxisY : kAxisX) | kAxisData, ChangeEnd);
}

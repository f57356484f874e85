#include "mapedit/drag_fill.h"

#include "mapedit/change_commit.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

struct Block {
    int x0, y0, x1, y1;
};

int32_t saturate(int64_t v) {
    return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// Extends a run of values beyond its ends with the slope at that end.
int64_t extendRun(int64_t atLo, int64_t nextLo, int64_t atHi, int64_t prevHi, int i, int lo, int hi,
                  int64_t inside) {
    if (i < lo) return atLo + (nextLo - atLo) * (i - lo);
    if (i > hi) return atHi + (atHi - prevHi) * (i - hi);
    return inside;
}

struct Snapshot {
    std::vector<int32_t> v;
    int64_t operator()(int x, int y) const { return v[size_t(CellIndex(x, y))]; }
};

int64_t fillBlock(const Snapshot& S, const Block& b, int x, int y) {
    int x0 = b.x0, x1 = b.x1, y0 = b.y0, y1 = b.y1;
    if (x < x0) {
        if (y < y0)
            return S(x0, y0) + (x - x0) * (S(x0 + 1, y0) - S(x0, y0)) +
                   (y - y0) * (S(x0, y0 + 1) - S(x0, y0));
        if (y > y1)
            return S(x0, y1) + (x - x0) * (S(x0 + 1, y1) - S(x0, y1)) +
                   (y - y1) * (S(x0, y1) - S(x0, y1 - 1));
        return S(x0, y) + (S(x0 + 1, y) - S(x0, y)) * (x - x0);
    }
    if (x > x1) {
        if (y < y0)
            return S(x1, y0) + (x - x1) * (S(x1, y0) - S(x1 - 1, y0)) +
                   (y - y0) * (S(x1, y0 + 1) - S(x1, y0));
        if (y > y1)
            return S(x1, y1) + (x - x1) * (S(x1, y1) - S(x1 - 1, y1)) +
                   (y - y1) * (S(x1, y1) - S(x1, y1 - 1));
        return S(x1, y) + (S(x1, y) - S(x1 - 1, y)) * (x - x1);
    }
    if (y < y0) return S(x, y0) + (S(x, y0 + 1) - S(x, y0)) * (y - y0);
    if (y > y1) return S(x, y1) + (S(x, y1) - S(x, y1 - 1)) * (y - y1);
    return S(x, y);
}

int64_t fillCell(const Snapshot& S, const Block& b, int x, int y) {
    if (b.x0 == b.x1 && b.y0 == b.y1) return S(b.x0, b.y0);
    if (b.y0 == b.y1) {
        int y0 = b.y0;
        return extendRun(S(b.x0, y0), S(b.x0 + 1, y0), S(b.x1, y0), S(b.x1 - 1, y0), x, b.x0, b.x1,
                         S(x, y0));
    }
    if (b.x0 == b.x1) {
        int x0 = b.x0;
        return extendRun(S(x0, b.y0), S(x0, b.y0 + 1), S(x0, b.y1), S(x0, b.y1 - 1), y, b.y0, b.y1,
                         S(x0, y));
    }
    return fillBlock(S, b, x, y);
}

void fillHeader(std::vector<int32_t>& v, const std::vector<int32_t>& S, int lo, int hi, int t0,
                int t1) {
    for (int i = t0; i <= t1; ++i) {
        if (lo == hi)
            v[size_t(i)] = S[size_t(lo)];
        else
            v[size_t(i)] = saturate(extendRun(S[size_t(lo)], S[size_t(lo + 1)], S[size_t(hi)],
                                              S[size_t(hi - 1)], i, lo, hi, v[size_t(i)]));
    }
}

void moveHeader(std::vector<int32_t>& v, const std::vector<int32_t>& S, int count, int shift,
                int t0, int t1) {
    for (int i = t0; i <= t1; ++i)
        if (i - shift >= 0 && i - shift < count) v[size_t(i)] = S[size_t(i - shift)];
}

void clampRun(int& a, int& b, int count) {
    if (a > b) std::swap(a, b);
    a = std::clamp(a, 0, count - 1);
    b = std::clamp(b, 0, count - 1);
}

void selectBlock(TSel& sel, const Block& t) {
    ClearSelection(sel);
    for (int y = t.y0; y <= t.y1; ++y)
        for (int x = t.x0; x <= t.x1; ++x)
            if (uint16_t* mk = sel.mark(x, y)) *mk = kMarkSelected;
    sel.CursorX = t.x0, sel.CursorY = t.y0;
    sel.RangeX = t.x1, sel.RangeY = t.y1;
    UpdateSelectionBounds(sel);
    AnalyseSelection(sel);
}

} // namespace

void FinishDrag(CTabModel& m, int tx0, int ty0, int tx1, int ty1) {
    CDragState d = m.Drag;
    m.Drag.State = kDragNone;
    CSheet* s = m.current();
    if (!s || d.State == kDragNone) return;
    int part = d.Y0 == -1 ? kAxisX : d.X0 == -1 ? kAxisY : kAxisData;
    CAxe& axis = *AxisOfPart(*s, part);
    if (!axis.Editable) return;
    Block src{d.X0, d.Y0, d.X1, d.Y1}, dst{tx0, ty0, tx1, ty1};
    if (part != kAxisY) clampRun(src.x0, src.x1, s->X.Count), clampRun(dst.x0, dst.x1, s->X.Count);
    if (part != kAxisX) clampRun(src.y0, src.y1, s->Y.Count), clampRun(dst.y0, dst.y1, s->Y.Count);
    if (part == kAxisX) src.y0 = src.y1 = dst.y0 = dst.y1 = -1;
    if (part == kAxisY) src.x0 = src.x1 = dst.x0 = dst.x1 = -1;

    NoteChange(m, 0, ChangeBegin);
    std::vector<int32_t> S = axis.Values;
    bool fill = d.State == kDragFill;
    if (part == kAxisX) {
        if (fill)
            fillHeader(axis.Values, S, src.x0, src.x1, dst.x0, dst.x1);
        else
            moveHeader(axis.Values, S, s->X.Count, dst.x0 - src.x0, dst.x0, dst.x1);
    } else if (part == kAxisY) {
        if (fill)
            fillHeader(axis.Values, S, src.y0, src.y1, dst.y0, dst.y1);
        else
            moveHeader(axis.Values, S, s->Y.Count, dst.y0 - src.y0, dst.y0, dst.y1);
    } else {
        Snapshot snap{S};
        int dx = dst.x0 - src.x0, dy = dst.y0 - src.y0;
        for (int y = dst.y0; y <= dst.y1; ++y)
            for (int x = dst.x0; x <= dst.x1; ++x) {
                if (fill)
                    s->cell(x, y) = saturate(fillCell(snap, src, x, y));
                else if (s->inTable(x - dx, y - dy))
                    s->cell(x, y) = int32_t(snap(x - dx, y - dy));
            }
    }
    selectBlock(s->Sel, dst);
    m.Redraw |= 1;
    NoteChange(m, part, ChangeEnd);
}

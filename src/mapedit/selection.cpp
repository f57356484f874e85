#include "mapedit/selection.h"

#include <algorithm>

namespace {

constexpr int kCols = 50;
constexpr int kRows = 30;

int kindOfPosition(int x, int y) {
    if (y == -1 && x >= 0) return skXHeader;
    if (x == -1 && y >= 0) return skYHeader;
    if (x >= 0 && y >= 0) return skCells;
    return skNone;
}

int modeKind(int mode) {
    int m = mode & 0xFF;
    if (m & (skCells | smColumns | smRows)) return skCells;
    if (m & skXHeader) return skXHeader;
    if (m & skYHeader) return skYHeader;
    return skNone;
}

template <size_t N>
int countMarked(const std::array<uint16_t, N>& marks) {
    return int(std::count_if(marks.begin(), marks.end(), [](uint16_t m) { return m != 0; }));
}

template <size_t N>
void settleMarks(std::array<uint16_t, N>& marks) {
    for (auto& m : marks) {
        if (m & kMarkGesture) m |= kMarkSelected;
        m &= uint16_t(~(kMarkGesture | kMarkCorner));
    }
}

// Finds which kind of item carries marks, preferring the gesture's mode.
int markedKind(const TSel& sel) {
    if (int k = modeKind(sel.Mode)) return k;
    if (sel.Kind != skNone) return sel.Kind;
    if (countMarked(sel.CellMarks)) return skCells;
    if (countMarked(sel.XMarks)) return skXHeader;
    if (countMarked(sel.YMarks)) return skYHeader;
    return skNone;
}

// Header run: contiguous and at least 3 long.
template <size_t N>
bool analyseRun(std::array<uint16_t, N>& marks, int count, int lo, int hi) {
    if (count < 3 || hi - lo + 1 != count) return false;
    marks[size_t(lo)] |= kMarkCorner;
    marks[size_t(hi)] |= kMarkCorner;
    return true;
}

} // namespace

uint16_t* TSel::mark(int x, int y) {
    switch (kindOfPosition(x, y)) {
    case skXHeader: return x < kCols ? &XMarks[size_t(x)] : nullptr;
    case skYHeader: return y < kRows ? &YMarks[size_t(y)] : nullptr;
    case skCells: return x < kCols && y < kRows ? &CellMarks[size_t(y * kCols + x)] : nullptr;
    default: return nullptr;
    }
}

uint16_t TSel::markAt(int x, int y) const {
    const uint16_t* m = const_cast<TSel*>(this)->mark(x, y);
    return m ? *m : 0;
}

void ClearSelection(TSel& sel) {
    sel.XMarks.fill(0);
    sel.YMarks.fill(0);
    sel.CellMarks.fill(0);
    sel.Kind = skNone;
    sel.Mode = 0;
    sel.IsRect = false;
    sel.X1 = sel.X2 = sel.Y1 = sel.Y2 = -2;
    sel.AnchorX = sel.AnchorY = sel.CurX = sel.CurY = -1;
    sel.MinX = sel.MinY = sel.MaxX = sel.MaxY = -2;
    sel.Count = 0;
}

void UpdateSelectionBounds(TSel& sel) {
    int minX = 1000, minY = 1000, maxX = -1000, maxY = -1000;
    auto take = [&](int x, int y) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    };
    for (int x = 0; x < kCols; ++x)
        if (sel.XMarks[size_t(x)]) take(x, -1);
    for (int y = 0; y < kRows; ++y)
        if (sel.YMarks[size_t(y)]) take(-1, y);
    for (int i = 0; i < kCols * kRows; ++i)
        if (sel.CellMarks[size_t(i)]) take(i % kCols, i / kCols);
    if (maxX < -1) {
        sel.MinX = sel.MinY = sel.MaxX = sel.MaxY = -2;
        return;
    }
    sel.MinX = minX;
    sel.MinY = minY;
    sel.MaxX = maxX;
    sel.MaxY = maxY;
}

void SelectItem(TSel& sel, int x, int y) {
    ClearSelection(sel);
    int kind = kindOfPosition(x, y);
    if (uint16_t* m = sel.mark(x, y)) *m = kMarkSelected;
    sel.Mode = kind;
    UpdateSelectionBounds(sel);
    AnalyseSelection(sel);
    sel.CursorX = sel.RangeX = x;
    sel.CursorY = sel.RangeY = y;
}

void SelectRange(TSel& sel, int x, int y) {
    ClearSelection(sel);
    if (sel.CursorX == -1)
        x = -1;
    else if (x == -1)
        x = 0;
    if (sel.CursorY == -1)
        y = -1;
    else if (y == -1)
        y = 0;
    sel.RangeX = x;
    sel.RangeY = y;
    int x0 = std::min(sel.CursorX, x), x1 = std::max(sel.CursorX, x);
    int y0 = std::min(sel.CursorY, y), y1 = std::max(sel.CursorY, y);
    x0 = std::max(x0, -1), y0 = std::max(y0, -1);
    x1 = std::min(x1, kCols - 1), y1 = std::min(y1, kRows - 1);
    for (int yy = y0; yy <= y1; ++yy)
        for (int xx = x0; xx <= x1; ++xx)
            if (uint16_t* m = sel.mark(xx, yy)) *m = kMarkSelected;
    sel.Mode = kindOfPosition(x0, y0);
    UpdateSelectionBounds(sel);
    AnalyseSelection(sel);
}

void AnalyseSelection(TSel& sel) {
    int kind = markedKind(sel);
    settleMarks(sel.XMarks);
    settleMarks(sel.YMarks);
    settleMarks(sel.CellMarks);
    sel.Count = countMarked(sel.XMarks) + countMarked(sel.YMarks) + countMarked(sel.CellMarks);
    UpdateSelectionBounds(sel);
    sel.IsRect = false;
    sel.X1 = sel.X2 = sel.Y1 = sel.Y2 = -2;
    if (kind == skCells && sel.Count > 0) {
        int w = sel.MaxX - sel.MinX + 1, h = sel.MaxY - sel.MinY + 1;
        bool solid = sel.MinX >= 0 && sel.MinY >= 0 && w * h == sel.Count;
        if (solid && (w >= 3 || h >= 3)) {
            sel.IsRect = true;
            sel.X1 = sel.MinX, sel.X2 = sel.MaxX, sel.Y1 = sel.MinY, sel.Y2 = sel.MaxY;
            for (int y : {sel.Y1, sel.Y2})
                for (int x : {sel.X1, sel.X2}) sel.CellMarks[size_t(y * kCols + x)] |= kMarkCorner;
        }
    } else if (kind == skXHeader && sel.MinY == -1) {
        if (analyseRun(sel.XMarks, sel.Count, sel.MinX, sel.MaxX)) {
            sel.IsRect = true;
            sel.X1 = sel.MinX, sel.X2 = sel.MaxX, sel.Y1 = sel.Y2 = -1;
        }
    } else if (kind == skYHeader && sel.MinX == -1) {
        if (analyseRun(sel.YMarks, sel.Count, sel.MinY, sel.MaxY)) {
            sel.IsRect = true;
            sel.Y1 = sel.MinY, sel.Y2 = sel.MaxY, sel.X1 = sel.X2 = -1;
        }
    }
    sel.Mode = 0;
    sel.Kind = sel.Count > 0 ? kind : skNone;
}

int PartOfKind(int kind) {
    switch (kind) {
    case skXHeader: return 1;
    case skYHeader: return 2;
    case skCells: return 4;
    default: return 0;
    }
}

#include "mapedit/clipboard_copy.h"

#include "mapedit/number_text.h"

namespace {

struct Writer {
    const CTabModel& m;
    const CSheet& s;
    std::string text(const CAxe& axis, int32_t raw) const {
        return ValueText(axis, raw, &m.NamedText);
    }
    std::string xHeader(bool leadingTab) const {
        std::string line;
        for (int x = 0; x < s.X.Count; ++x) {
            if (leadingTab || x > 0) line += '\t';
            line += text(s.X, s.X.Values[size_t(x)]);
        }
        return line;
    }
    std::string row(int y, int onlyColumn = -1) const {
        std::string line = text(s.Y, s.Y.Values[size_t(y)]);
        for (int x = 0; x < s.X.Count; ++x) {
            if (onlyColumn >= 0 && x != onlyColumn) continue;
            line += '\t';
            line += text(s.Data, s.cell(x, y));
        }
        return line;
    }
    std::string cells(int y) const {
        std::string line;
        for (int x = 0; x < s.X.Count; ++x) {
            if (x > 0) line += '\t';
            line += text(s.Data, s.cell(x, y));
        }
        return line;
    }
    std::string grid() const {
        std::string out = xHeader(true);
        for (int y = 0; y < s.Y.Count; ++y) out += '\n' + row(y);
        return out;
    }
};

std::string copyCells(const Writer& w) {
    const CSheet& s = w.s;
    const TSel& sel = s.Sel;
    std::string out;
    bool firstRow = true;
    for (int y = sel.MinY; y <= sel.MaxY; ++y) {
        if (s.Y.Collapsed && y != s.Y.CollapsedIndex) continue;
        if (!firstRow) out += '\n';
        firstRow = false;
        bool firstCol = true;
        for (int x = sel.MinX; x <= sel.MaxX; ++x) {
            if (s.X.Collapsed && x != s.X.CollapsedIndex) continue;
            if (!firstCol) out += '\t';
            firstCol = false;
            if (sel.isMarked(x, y) && s.inTable(x, y)) out += w.text(s.Data, s.cell(x, y));
        }
    }
    return out;
}

std::string copyHeaderRun(const Writer& w, bool xAxis) {
    const CSheet& s = w.s;
    const TSel& sel = s.Sel;
    const CAxe& axis = xAxis ? s.X : s.Y;
    int lo = xAxis ? sel.MinX : sel.MinY, hi = xAxis ? sel.MaxX : sel.MaxY;
    std::string out;
    for (int i = lo; i <= hi; ++i) {
        if (i > lo) out += xAxis ? '\t' : '\n';
        bool marked = xAxis ? sel.isMarked(i, -1) : sel.isMarked(-1, i);
        if (marked && i >= 0 && i < axis.Count) out += w.text(axis, axis.Values[size_t(i)]);
    }
    return out;
}

} // namespace

std::string CopySelection(const CTabModel& m) {
    if (m.Edit.Active) return m.Edit.selectedText();
    const CSheet* s = m.current();
    if (!s || s->Sel.Count == 0) return {};
    Writer w{m, *s};
    std::string out;
    switch (s->Sel.Kind) {
    case skCells: out = copyCells(w); break;
    case skXHeader: out = copyHeaderRun(w, true); break;
    case skYHeader: out = copyHeaderRun(w, false); break;
    default: break;
    }
    ApplyDecimalComma(out, m.Lang);
    return out;
}

CTableTexts CopyTable(const CTabModel& m) {
    const CSheet* s = m.current();
    if (!s) return {};
    Writer w{m, *s};
    CTableTexts t;
    const char* only = s->Y.Collapsed ? "Y" : s->X.Collapsed ? "X" : "";
    t.Sheet = "Label:\t" + s->Title + "\nLabelX:\t" + s->X.Symbol + "\nLabelY:\t" + s->Y.Symbol +
              "\nLabelData:\t" + s->Data.Symbol + "\nSizeX:\t" + std::to_string(s->X.Count) +
              "\nSizeY:\t" + std::to_string(s->Y.Count) + "\nOnlyXY:\t" + only + "\n" + w.grid();
    if (s->Y.Collapsed) {
        t.Plain = w.xHeader(false) + '\n' + w.cells(s->Y.CollapsedIndex);
    } else if (s->X.Collapsed) {
        for (int y = 0; y < s->Y.Count; ++y) {
            if (y > 0) t.Plain += '\n';
            t.Plain += w.row(y, s->X.CollapsedIndex);
        }
    } else {
        t.Plain = w.grid();
    }
    ApplyDecimalComma(t.Sheet, m.Lang);
    ApplyDecimalComma(t.Plain, m.Lang);
    return t;
}

#include "mapedit/menu_selection.h"

#include <vector>

namespace {

// The lines of an axis the table shows: all, or the collapsed one.
std::vector<int> shownLines(const CAxe& a) {
    if (a.Collapsed) return {a.CollapsedIndex};
    std::vector<int> lines;
    for (int i = 0; i < a.Count; ++i) lines.push_back(i);
    return lines;
}

void selectItems(TSel& sel, const std::vector<std::pair<int, int>>& items) {
    ClearSelection(sel);
    for (auto [x, y] : items)
        if (uint16_t* m = sel.mark(x, y)) *m = kMarkSelected;
    if (!items.empty()) {
        sel.CursorX = items.front().first, sel.CursorY = items.front().second;
        sel.RangeX = items.back().first, sel.RangeY = items.back().second;
    }
    UpdateSelectionBounds(sel);
    AnalyseSelection(sel);
}

bool allSelected(const TSel& sel, const std::vector<std::pair<int, int>>& items) {
    for (auto [x, y] : items)
        if (!sel.isMarked(x, y)) return false;
    return !items.empty();
}

std::vector<std::pair<int, int>> header(const CSheet& s, bool xAxis) {
    std::vector<std::pair<int, int>> items;
    for (int i : shownLines(xAxis ? s.X : s.Y))
        items.push_back(xAxis ? std::pair{i, -1} : std::pair{-1, i});
    return items;
}

} // namespace

void SelectForMenu(CSheet& s, TableHit hit, int x, int y) {
    std::vector<std::pair<int, int>> items;
    switch (hit) {
    case TableHit::XTitle:
    case TableHit::YTitle: {
        bool xAxis = hit == TableHit::XTitle;
        if (s.X.Collapsed)
            xAxis = false;
        else if (s.Y.Collapsed)
            xAxis = true;
        selectItems(s.Sel, header(s, xAxis));
        return;
    }
    case TableHit::SelectAll:
        for (int r : shownLines(s.Y))
            for (int c : shownLines(s.X)) items.push_back({c, r});
        selectItems(s.Sel, items);
        return;
    case TableHit::Item:
        if (!s.Sel.isMarked(x, y)) SelectItem(s.Sel, x, y);
        return;
    case TableHit::Column:
        for (int r : shownLines(s.Y)) items.push_back({x, r});
        if (!allSelected(s.Sel, items)) selectItems(s.Sel, items);
        return;
    case TableHit::Row:
        for (int c : shownLines(s.X)) items.push_back({c, y});
        if (!allSelected(s.Sel, items)) selectItems(s.Sel, items);
        return;
    case TableHit::None: ClearSelection(s.Sel); return;
    }
}

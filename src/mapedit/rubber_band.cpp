#include "mapedit/rubber_band.h"

#include <algorithm>

namespace {

int kindOfRegion(int region) {
    return (region & (smColumns | smRows)) ? skCells : region;
}

bool setGestureMark(uint16_t& mark, bool on) {
    uint16_t before = mark;
    if (on)
        mark |= kMarkGesture;
    else
        mark &= uint16_t(~kMarkGesture);
    return mark != before;
}

bool meets(const ItemRectFn& rects, const CRect& band, int kind, int x, int y) {
    std::optional<CRect> r = rects(kind, x, y);
    return r && RectsMeet(*r, band);
}

// Rows (or columns) of cells that a strip covers: all, or the collapsed one.
bool lineShown(const CAxe& axis, int i) {
    return !axis.Collapsed || i == axis.CollapsedIndex;
}

} // namespace

bool RectsMeet(const CRect& a, const CRect& b) {
    return a.Left <= b.Right && b.Left <= a.Right && a.Top <= b.Bottom && b.Top <= a.Bottom;
}

void BeginRubberBand(CSheet& s, int region, int x, int y, int mouseX, int mouseY, bool shift,
                     bool ctrl, const ItemRectFn& rects, const CRect& client) {
    TSel& sel = s.Sel;
    if (shift == ctrl) ClearSelection(sel);
    if (sel.Kind != skNone && sel.Kind != kindOfRegion(region)) ClearSelection(sel);
    bool keepAnchor = shift && !ctrl && sel.AnchorX != -1;
    if (!keepAnchor) {
        sel.AnchorX = mouseX;
        sel.AnchorY = mouseY;
    }
    sel.Mode = region | smHeld;
    UpdateRubberBand(s, mouseX, mouseY, rects, client);
    sel.CursorX = sel.RangeX = x;
    sel.CursorY = sel.RangeY = y;
}

bool UpdateRubberBand(CSheet& s, int mouseX, int mouseY, const ItemRectFn& rects,
                      const CRect& client) {
    TSel& sel = s.Sel;
    sel.CurX = std::clamp(mouseX, client.Left, std::max(client.Left, client.Right));
    sel.CurY = std::clamp(mouseY, client.Top, std::max(client.Top, client.Bottom));
    CRect band{std::min(sel.AnchorX, sel.CurX), std::min(sel.AnchorY, sel.CurY),
               std::max(sel.AnchorX, sel.CurX), std::max(sel.AnchorY, sel.CurY)};
    int mode = sel.Mode & 0xFF;
    bool changed = false;
    if (mode == skXHeader) {
        for (int x = 0; x < s.X.Count; ++x)
            changed |= setGestureMark(*sel.mark(x, -1), meets(rects, band, skXHeader, x, -1));
    } else if (mode == skYHeader) {
        for (int y = 0; y < s.Y.Count; ++y)
            changed |= setGestureMark(*sel.mark(-1, y), meets(rects, band, skYHeader, -1, y));
    } else if (mode == smColumns || mode == smRows) {
        bool columns = mode == smColumns;
        const CAxe& strips = columns ? s.X : s.Y;
        for (int i = 0; i < strips.Count; ++i) {
            bool on = meets(rects, band, mode, columns ? i : -1, columns ? -1 : i);
            const CAxe& along = columns ? s.Y : s.X;
            for (int j = 0; j < along.Count; ++j) {
                int x = columns ? i : j, y = columns ? j : i;
                changed |= setGestureMark(*sel.mark(x, y), on && lineShown(along, j));
            }
        }
    } else if (mode == skCells) {
        for (int y = 0; y < s.Y.Count; ++y)
            for (int x = 0; x < s.X.Count; ++x)
                changed |= setGestureMark(*sel.mark(x, y), meets(rects, band, skCells, x, y));
    }
    UpdateSelectionBounds(sel);
    return changed;
}

void EndRubberBand(CSheet& s) {
    AnalyseSelection(s.Sel);
}

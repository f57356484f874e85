#include "mapedit/stepping.h"

#include "mapedit/change_commit.h"

#include <algorithm>
#include <cstdint>

namespace {

void add(int32_t& v, int step) {
    v = int32_t(std::clamp<int64_t>(int64_t(v) + step, INT32_MIN, INT32_MAX));
}

// Steps every marked item of one kind within the used area; returns its part or 0.
int stepMarked(CSheet& s, int kind, int step) {
    int part = PartOfKind(kind);
    const CAxe* axis = AxisOfPart(s, part);
    if (!axis || !axis->Editable) return 0;
    if (kind == skXHeader) {
        for (int x = 0; x < s.X.Count; ++x)
            if (s.Sel.isMarked(x, -1)) add(s.X.Values[size_t(x)], step);
    } else if (kind == skYHeader) {
        for (int y = 0; y < s.Y.Count; ++y)
            if (s.Sel.isMarked(-1, y)) add(s.Y.Values[size_t(y)], step);
    } else {
        for (int y = 0; y < s.Y.Count; ++y)
            for (int x = 0; x < s.X.Count; ++x)
                if (s.Sel.isMarked(x, y)) add(s.cell(x, y), step);
    }
    return part;
}

int kindAt(int x, int y) {
    switch (PartAt(x, y)) {
    case kAxisX: return skXHeader;
    case kAxisY: return skYHeader;
    case kAxisData: return skCells;
    default: return skNone;
    }
}

void stepLiveValue(CTabModel& m, CSheet& s, int step) {
    if (!s.has(sfLiveMarker) || s.LiveState <= 0) return;
    if (s.LiveCol == -1 && s.has(sfBaseAdvanceMarker)) {
        add(m.Markers.BaseAdvance, step);
    } else if (s.inTable(s.LiveCol, s.LiveRow) && s.Data.Editable) {
        add(s.cell(s.LiveCol, s.LiveRow), step);
    } else {
        return;
    }
    NoteChange(m, kAxisData, SelectionStepKey(skNone, 0));
    m.Redraw |= 1;
}

} // namespace

void StepSelection(CTabModel& m, int step) {
    CSheet* s = m.current();
    if (!s) return;
    if (s->Sel.Count == 0) {
        stepLiveValue(m, *s, step);
        return;
    }
    int part = stepMarked(*s, s->Sel.Kind, step);
    if (part == 0) return;
    NoteChange(m, part, SelectionStepKey(s->Sel.Kind, s->Sel.Count));
    m.Redraw |= 1;
}

void StepArrowTarget(CTabModel& m, int step) {
    CSheet* s = m.current();
    if (!s) return;
    int x = m.Arrows.X, y = m.Arrows.Y;
    int kind = kindAt(x, y);
    const CAxe* axis = AxisOfPart(*s, PartOfKind(kind));
    int32_t* slot = ValueAt(*s, x, y);
    if (!axis || !axis->Editable || !slot) return;
    int part = PartOfKind(kind), key;
    if (s->Sel.isMarked(x, y)) {
        stepMarked(*s, kind, step);
        key = SelectionStepKey(kind, s->Sel.Count);
    } else {
        add(*slot, step);
        key = ItemStepKey(x, y);
    }
    NoteChange(m, part, key);
    m.Redraw |= 1;
}

void PressArrow(CTabModel& m, int dir) {
    m.Arrows.Pressed = dir;
    m.Arrows.PressTick = m.Tick;
    m.Arrows.Repeated = false;
}

void ReleaseArrow(CTabModel& m) {
    if (m.Arrows.Pressed != 0 && !m.Arrows.Repeated) StepArrowTarget(m, m.Arrows.Pressed);
    m.Arrows.Pressed = 0;
    m.Arrows.Repeated = false;
}

void ArrowRepeat(CTabModel& m) {
    if (m.Arrows.Pressed == 0 || m.Tick - m.Arrows.PressTick < kArrowRepeatDelay) return;
    StepArrowTarget(m, m.Arrows.Pressed);
    m.Arrows.Repeated = true;
}

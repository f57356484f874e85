#include "mapedit/commands.h"

#include "mapedit/change_commit.h"
#include "mapedit/in_place_edit.h"
#include "mapedit/interpolate.h"
#include "mapedit/live_marker.h"
#include "mapedit/stepping.h"

namespace {

void noteWholeSheet(CTabModel& m) {
    NoteChange(m, 0, ChangeBegin);
    NoteChange(m, kAxisX | kAxisY | kAxisData, ChangeEnd);
}

} // namespace

void SelectSheet(CTabModel& m, int index) {
    if (index < 0 || index >= m.SheetCount) return;
    CommitEdit(m);
    if (index != m.Current) m.Previous = m.Current;
    m.Current = index;
    CSheet& s = m.Sheets[size_t(index)];
    RequestLayout(m);
    UpdateLiveMarker(m);
    if (m.OnCommit)
        m.OnCommit(CTabEvent{0, index, s.Title, m.Markers.BaseAdvance, m.Markers.RevLimiter});
}

void TickModel(CTabModel& m) {
    ++m.Tick;
    ArrowRepeat(m);
    if (m.Tick & 2) UpdateLiveMarker(m);
    CheckChangeDeadline(m);
}

bool AxisChoiceAllowed(const CTabModel& m, int command) {
    const CSheet* s = m.current();
    if (!s) return false;
    int xo = s->X.CollapseOption, yo = s->Y.CollapseOption;
    switch (command) {
    case kCmdOnlyX: return xo < 2 && yo != 0;
    case kCmdOnlyY: return xo != 0 && yo < 2;
    case kCmdBothAxes: return xo < 2 && yo < 2;
    default: return false;
    }
}

bool ExecuteModelCommand(CTabModel& m, int command) {
    CSheet* s = m.current();
    if (!s) return false;
    switch (command) {
    case kCmdStepUp: StepSelection(m, +1); return true;
    case kCmdStepDown: StepSelection(m, -1); return true;
    case kCmdInterpolate: Interpolate(m); return true;
    case kCmdToggleEnabled:
        s->Enabled = !s->Enabled;
        m.Redraw |= 2;
        noteWholeSheet(m);
        return true;
    case kCmdOnlyX:
    case kCmdOnlyY:
    case kCmdBothAxes:
        if (!AxisChoiceAllowed(m, command)) return false;
        s->X.Collapsed = command == kCmdOnlyY;
        s->Y.Collapsed = command == kCmdOnlyX;
        noteWholeSheet(m);
        SelectSheet(m, m.Current);
        return true;
    default: return false;
    }
}

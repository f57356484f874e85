#include "mapedit/change_commit.h"

int SelectionStepKey(int kind, int count) {
    return 0x10000000 | (kind << 16) | (count & 0xFFFF);
}

int ItemStepKey(int x, int y) {
    return 0x20000000 | ((y + 2) << 8) | (x + 2);
}

void CommitChange(CTabModel& m) {
    int parts = m.Change.Parts;
    m.Change = {};
    if (parts == 0) return;
    const CSheet* s = m.current();
    CTabEvent ev{parts, m.Current, s ? s->Title : std::string(), m.Markers.BaseAdvance,
                 m.Markers.RevLimiter};
    if (m.OnCommit) m.OnCommit(ev);
}

void NoteChange(CTabModel& m, int parts, int key) {
    bool beginPending = m.Change.Key == ChangeBegin;
    if (key == ChangeEnd && !beginPending) return;
    m.Change.Parts |= parts;
    if (CSheet* s = m.current()) NormalizeAxes(*s, m.Markers, parts);
    if (key == ChangeBegin) {
        if (m.Change.Key != 0 && !beginPending) CommitChange(m);
        m.Change.Key = ChangeBegin;
        m.Change.Deadline = m.Tick + kChangeDelay;
    } else if (key == ChangeEnd || key == 0) {
        CommitChange(m);
    } else if (m.Change.Key != 0 && m.Change.Key != key) {
        CommitChange(m);
    } else {
        m.Change.Key = key;
        m.Change.Deadline = m.Tick + kChangeDelay;
    }
}

void CheckChangeDeadline(CTabModel& m) {
    if (m.Change.Parts != 0 && m.Tick >= m.Change.Deadline) CommitChange(m);
}

#include "mapedit/table_keys.h"

#include "mapedit/commands.h"
#include "mapedit/cursor.h"
#include "mapedit/edit_buffer.h"
#include "mapedit/in_place_edit.h"
#include "mapedit/stepping.h"

namespace {

// First or last line of an axis for Home/End/Page keys: the header line on a collapsed axis.
int edgeLine(const CAxe& axis, bool last) {
    if (axis.Collapsed) return -1;
    return last ? axis.Count - 1 : 0;
}

bool move(CTabModel& m, TableKey key, bool shift) {
    CSheet* s = m.current();
    if (!s) return false;
    switch (key) {
    case TableKey::Left: MoveCursor(m, -1, 0, shift); break;
    case TableKey::Right: MoveCursor(m, 1, 0, shift); break;
    case TableKey::Up: MoveCursor(m, 0, -1, shift); break;
    case TableKey::Down: MoveCursor(m, 0, 1, shift); break;
    case TableKey::Home: MoveCursor(m, AbsoluteMove(edgeLine(s->X, false)), 0, shift); break;
    case TableKey::End: MoveCursor(m, AbsoluteMove(edgeLine(s->X, true)), 0, shift); break;
    case TableKey::PageUp: MoveCursor(m, 0, AbsoluteMove(edgeLine(s->Y, false)), shift); break;
    case TableKey::PageDown: MoveCursor(m, 0, AbsoluteMove(edgeLine(s->Y, true)), shift); break;
    case TableKey::Enter: MoveCursorEnter(m); break;
    default: return false;
    }
    return true;
}

bool editKey(CTabModel& m, TableKey key, bool shift) {
    switch (key) {
    case TableKey::Escape: CancelEdit(m); return true;
    case TableKey::Home: EditKeyPress(m.Edit, EditKey::Home, shift); break;
    case TableKey::End: EditKeyPress(m.Edit, EditKey::End, shift); break;
    case TableKey::Left: EditKeyPress(m.Edit, EditKey::Left, shift); break;
    case TableKey::Right: EditKeyPress(m.Edit, EditKey::Right, shift); break;
    case TableKey::Backspace: EditKeyPress(m.Edit, EditKey::Backspace, false); break;
    case TableKey::Delete: EditKeyPress(m.Edit, EditKey::Delete, false); break;
    case TableKey::Enter:
    case TableKey::Up:
    case TableKey::Down:
    case TableKey::PageUp:
    case TableKey::PageDown: CommitEdit(m); return move(m, key, false);
    default: return false;
    }
    m.Redraw |= 1;
    return true;
}

bool startAtSelection(CTabModel& m, bool clearText) {
    CSheet* s = m.current();
    if (!s || s->Sel.Count == 0) return false;
    return StartEdit(m, s->Sel.MinX, s->Sel.MinY, clearText);
}

int sheetAfter(const CTabModel& m, int from, int direction) {
    for (int k = 1; k < m.SheetCount; ++k) {
        int i = ((from + direction * k) % m.SheetCount + m.SheetCount) % m.SheetCount;
        if (!m.Sheets[size_t(i)].Hidden) return i;
    }
    return -1;
}

} // namespace

bool TableKeyDown(CTabModel& m, TableKey key, bool shift) {
    if (!m.current()) return false;
    if (m.Edit.Active) return editKey(m, key, shift);
    switch (key) {
    case TableKey::Escape:
        ClearSelection(m.current()->Sel);
        m.Redraw |= 1;
        return true;
    case TableKey::Insert: return !shift && startAtSelection(m, false);
    case TableKey::Backspace:
    case TableKey::Delete: return startAtSelection(m, true);
    default: return move(m, key, shift);
    }
}

bool TableChar(CTabModel& m, char c) {
    if (!m.current()) return false;
    if (m.Edit.Active) {
        if (c == '+') return false;
        bool typed = TypeChar(m.Edit, c);
        m.Redraw |= 1;
        return typed;
    }
    if (c == '+' || c == '-') {
        StepSelection(m, c == '+' ? 1 : -1);
        return true;
    }
    if (!IsEditChar(c) || !startAtSelection(m, true)) return false;
    TypeChar(m.Edit, c);
    return true;
}

bool CycleSheet(CTabModel& m, int direction) {
    if (m.SheetCount <= 1 || m.Current < 0) return false;
    int next = sheetAfter(m, m.Current, direction < 0 ? -1 : 1);
    if (next < 0 || next == m.Current) return false;
    SelectSheet(m, next);
    return true;
}

bool BackToPreviousSheet(CTabModel& m) {
    if (m.Previous < 0 || m.Previous >= m.SheetCount || m.Sheets[size_t(m.Previous)].Hidden)
        return false;
    SelectSheet(m, m.Previous);
    return true;
}

int ShortcutCommand(TableKey key, bool shift, bool ctrl) {
    if (key != TableKey::Insert || shift == ctrl) return -1;
    return ctrl ? kCmdCopy : kCmdPaste;
}

int ShortcutCharCommand(char c) {
    if (c == 3) return kCmdCopy;
    if (c == 22) return kCmdPaste;
    return -1;
}

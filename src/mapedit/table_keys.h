#pragma once
// Keys of the table view: cursor movement and in-place typing, and the
// sheet-cycling keys of the editor.

#include "mapedit/tab_model.h"

enum class TableKey {
    Left,
    Right,
    Up,
    Down,
    Home,
    End,
    PageUp,
    PageDown,
    Enter,
    Escape,
    Insert,
    Backspace,
    Delete
};

// The editor's own clipboard keys, checked before the table's keys:
// Ctrl+Insert copies (command 0), Shift+Insert pastes (command 2); -1 for
// any other key.
int ShortcutCommand(TableKey key, bool shift, bool ctrl);
// Ctrl+C arrives as character 3 (copy), Ctrl+V as 22 (paste); -1 otherwise.
int ShortcutCharCommand(char c);

// Returns whether the key was used.  Shift+Insert is left to the paste
// shortcut above and is not used here.
bool TableKeyDown(CTabModel& m, TableKey key, bool shift);
// A typed character: "+"/"-" step the selection unless "-" is typed into an
// edit; number characters start an edit of the selected item with empty text.
bool TableChar(CTabModel& m, char c);

// Tab / Shift+Tab: the next or previous sheet that is not hidden, wrapping;
// nothing with a single sheet.
bool CycleSheet(CTabModel& m, int direction);
// Ctrl+Tab: back to the previous sheet unless it is hidden.
bool BackToPreviousSheet(CTabModel& m);

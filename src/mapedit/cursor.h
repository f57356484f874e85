#pragma once
// Keyboard cursor movement and scrolling of the table.

#include "mapedit/tab_model.h"

// A move value of 9001 or more is absolute: AbsoluteMove(i) goes to index i (-1 a header).
inline constexpr int kAbsoluteBase = 10000;
inline constexpr int AbsoluteMove(int index) {
    return kAbsoluteBase + index;
}
inline constexpr bool IsAbsoluteMove(int value) {
    return value >= 9001;
}

// Relative moves wrap around (through the header line); extend (Shift) grows
// the keyboard range from the cursor without wrapping.
void MoveCursor(CTabModel& m, int dx, int dy, bool extend);
// Enter: one row down; below the last row to the next column's header cell,
// after the last column to the first row's Y header cell.
void MoveCursorEnter(CTabModel& m);
// Scrolls each non-collapsed axis so the index is among the visible lines;
// a negative index leaves that axis alone.
void ScrollIntoView(CTabModel& m, int x, int y);

#pragma once
// Typing a value into a table item.

#include "mapedit/tab_model.h"

// Starts editing (x, y) with its value as text (all of it selected when
// selectAll) or empty text.  Refused for a position outside the used area or
// on an axis the user may not change.
bool StartEdit(CTabModel& m, int x, int y, bool clearText, bool selectAll = false);
// Stores the typed number (a decimal comma is accepted, spaces are ignored)
// and reports the change; text that does not read as a number is dropped.
void CommitEdit(CTabModel& m);
void CancelEdit(CTabModel& m);

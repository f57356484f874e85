#pragma once
// Inserting and deleting rows (axis kAxisY) and columns (axis kAxisX).

#include "mapedit/tab_model.h"

#include <optional>

// The line boundary nearest to a press: offset is the press position from the
// data area's edge in pixels, lineSize the row height or column width.
int LineBoundaryIndex(int scrollOffset, double offset, double lineSize);

// Inserts a line before index (index == Count appends).  Returns the message
// to show when the axis is already at its maximum count.
std::optional<CEditorMessage> InsertLine(CTabModel& m, int axis, int index);
// Deletes every fully selected line, never going below MinCount.
void DeleteSelectedLines(CTabModel& m, int axis);

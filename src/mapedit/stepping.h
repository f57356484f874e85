#pragma once
// Stepping values by one raw unit: the selection ("+"/"-"), the live value
// when nothing is selected, and the table's small up/down arrow buttons with
// their press-and-hold auto-repeat.

#include "mapedit/tab_model.h"

inline constexpr int kArrowRepeatDelay = 6; // ticks from the press to the first repeat

void StepSelection(CTabModel& m, int step);
// Steps the arrows' item, or every selected item of its kind when it is selected.
void StepArrowTarget(CTabModel& m, int step);

// dir +1 up, -1 down.  A press released before the first repeat gives one step.
void PressArrow(CTabModel& m, int dir);
void ReleaseArrow(CTabModel& m);
// Called every tick: repeats while held.
void ArrowRepeat(CTabModel& m);

#pragma once
// End of a fill or move drag started on the selection (m.Drag holds the
// state and the block at the press).

#include "mapedit/tab_model.h"

// Applies the drag to the target block tx0..tx1 x ty0..ty1 (the other axis -1
// for header runs), selects the target and reports the change.
void FinishDrag(CTabModel& m, int tx0, int ty0, int tx1, int ty1);

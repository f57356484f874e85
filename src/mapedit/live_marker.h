#pragma once
// The live operating point of the engine on the current sheet.

#include "mapedit/tab_model.h"

// Index of a live measurement on an axis: -2 no measurement for its symbol,
// -1 below the first engine-speed breakpoint on a base-advance sheet, else
// the nearest breakpoint.
int LiveIndex(const CSheet& sheet, const CAxe& axis, const CLiveValues& live);
void UpdateLiveMarker(CTabModel& m);

#pragma once
// Graph scale steps of an axis and the choice of the entry for a shown span.

#include "mapedit/sheet.h"

#include <span>

// Rebuilds the axis's entries from a list that ends at the first entry whose
// third value is 0 (or at the end of the span).  At most five are kept; later
// entries overwrite the fifth.
void SetScaleSteps(CAxe& axis, std::span<const ScaleStepEntry> steps);

// Picks the entry for a span in display units, stores it as the active step
// and returns it: the first entry whose limit is not below the span, else the
// last; all steps 1 on an axis that is not numeric or has no entries.
const ScaleStepEntry& ChooseScaleStep(CAxe& axis, int span);

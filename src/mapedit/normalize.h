#pragma once
// Keeps a sheet valid after every change: breakpoints strictly increasing,
// at least Step apart and inside Min..Max (elastic: neighbours pushed aside
// by one edited breakpoint return when it moves back), cells inside the data
// range, and the editor's marker values inside their axis ranges.

#include "mapedit/sheet.h"

// Marker values owned by the editor: base advance (data units), rev limiter
// and second engine-speed marker (X units).
struct CMarkers {
    int32_t BaseAdvance = 0;
    int32_t RevLimiter = 0;
    int32_t SecondRpm = 0;
};

// parts: kAxisX | kAxisY | kAxisData, plus kResetElastic to forget pushed breakpoints.
void NormalizeAxes(CSheet& sheet, CMarkers& markers, int parts);

// The breakpoint normalisation of one axis (exposed for tests and direct use).
void NormalizeBreakpoints(CAxe& axis);

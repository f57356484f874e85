#pragma once
// Linear interpolation of a header run and bilinear interpolation of a cell
// rectangle from its corners.

#include "mapedit/tab_model.h"

// Whether the current selection can be interpolated (a solid rectangle of more than 2 items).
bool CanInterpolate(const CTabModel& m);
// Interpolates the rectangle of the last analysis, reports it and clears the selection.
void Interpolate(CTabModel& m);

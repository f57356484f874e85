#pragma once
// Placing a restored window on the monitors that exist now.

#include <vector>

struct TRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const TRect&) const = default;
};

// Picks the monitor the rectangle sticks out of least (the first on ties) and,
// unless it fits already, moves the rectangle onto it and clips it to it.  With
// no monitors the rectangle is kept.
TRect FitWindowToMonitors(TRect window, const std::vector<TRect>& monitors);

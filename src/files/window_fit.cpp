#include "files/window_fit.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// Wide enough that damaged bounds from the settings file cannot overflow.
struct Wide {
    int64_t left, top, right, bottom;
};

int64_t Excess(const Wide& w, const TRect& m) {
    return std::max<int64_t>(0, m.left - w.left) + std::max<int64_t>(0, w.right - m.right) +
           std::max<int64_t>(0, m.top - w.top) + std::max<int64_t>(0, w.bottom - m.bottom);
}

int Narrow(int64_t v) {
    return int(std::clamp<int64_t>(v, INT_MIN, INT_MAX));
}

} // namespace

TRect FitWindowToMonitors(TRect window, const std::vector<TRect>& monitors) {
    if (monitors.empty()) return window;
    Wide w{window.left, window.top, window.right, window.bottom};
    const TRect* best = &monitors.front();
    int64_t bestExcess = Excess(w, *best);
    for (const TRect& m : monitors) {
        const int64_t e = Excess(w, m);
        if (e < bestExcess) {
            best = &m;
            bestExcess = e;
        }
    }
    if (bestExcess == 0) return window;

    const TRect& m = *best;
    if (w.right > m.right) {
        const int64_t d = w.right - m.right;
        w.left -= d;
        w.right -= d;
    }
    if (w.bottom > m.bottom) {
        const int64_t d = w.bottom - m.bottom;
        w.top -= d;
        w.bottom -= d;
    }
    if (w.left < m.left) {
        const int64_t d = m.left - w.left;
        w.left += d;
        w.right += d;
    }
    if (w.top < m.top) {
        const int64_t d = m.top - w.top;
        w.top += d;
        w.bottom += d;
    }
    w.right = std::min<int64_t>(w.right, m.right);
    w.bottom = std::min<int64_t>(w.bottom, m.bottom);
    return {Narrow(w.left), Narrow(w.top), Narrow(w.right), Narrow(w.bottom)};
}

#include "mapedit/live_marker.h"

#include "mapedit/cursor.h"

#include <optional>

namespace {

std::optional<double> measurement(const CAxe& axis, const CLiveValues& live) {
    if (axis.Symbol == "RPM") return live.Rpm;
    if (axis.Symbol == "TPS") return live.Throttle;
    if (axis.Symbol == "IAP") return live.Pressure;
    return std::nullopt;
}

} // namespace

int LiveIndex(const CSheet& sheet, const CAxe& axis, const CLiveValues& live) {
    std::optional<double> raw = measurement(axis, live);
    if (!raw || axis.Values.empty() || axis.Scale == 0) return -2;
    double v = *raw / axis.Scale;
    const auto& bp = axis.Values;
    int n = axis.Count;
    if (v < bp[0]) return sheet.has(sfBaseAdvanceMarker) && axis.Symbol == "RPM" ? -1 : 0;
    for (int i = 0; i + 1 < n; ++i)
        if (v < (double(bp[size_t(i)]) + bp[size_t(i + 1)]) / 2) return i;
    return n - 1;
}

void UpdateLiveMarker(CTabModel& m) {
    CSheet* s = m.current();
    if (!s) return;
    int state = 0, col = -2, row = -2;
    if (s->has(sfLiveMarker)) {
        int xi = LiveIndex(*s, s->X, m.Live), yi = LiveIndex(*s, s->Y, m.Live);
        state = 1;
        if ((xi == -2 && !s->X.Collapsed) || (yi == -2 && !s->Y.Collapsed) ||
            (s->X.Symbol == "RPM" && m.Live.Rpm == 0))
            state = 0;
        col = s->X.Collapsed ? s->X.CollapsedIndex : xi;
        row = s->Y.Collapsed ? s->Y.CollapsedIndex : yi;
    }
    if (state == s->LiveState && col == s->LiveCol && row == s->LiveRow) return;
    s->LiveState = state;
    s->LiveCol = col;
    s->LiveRow = row;
    if (state && (!m.Autoscroll || *m.Autoscroll)) ScrollIntoView(m, col, row);
    m.Redraw |= 1;
}

#include "mapedit/normalize.h"

#include <algorithm>
#include <cstdint>

namespace {

struct Span {
    int32_t* v;
    int32_t* prev;
    int32_t* saved;
    int32_t* pushed;
    int n;
};

void forgetPushes(CAxe& a) {
    std::fill(a.Pushed.begin(), a.Pushed.end(), 0);
    std::fill(a.SavedValues.begin(), a.SavedValues.end(), 0);
}

// Min + i x Step and Max - i x Step without overflow on extreme definitions.
int32_t offsetBound(int32_t base, int64_t lines, int32_t step) {
    return int32_t(std::clamp<int64_t>(base + lines * step, INT32_MIN, INT32_MAX));
}

void pushAside(Span& a, int j, int32_t to) {
    if (!a.pushed[j]) a.saved[j] = a.v[j];
    a.pushed[j] = 1;
    a.v[j] = to;
}

// One breakpoint k moved: neighbours give way, then earlier pushes relax back.
void moveOne(Span& a, int k, int32_t lo, int32_t hi, int32_t s) {
    int n = a.n;
    a.v[k] = std::max(a.v[k], offsetBound(lo, k, s));
    for (int j = k - 1; j >= 0 && a.v[j] > a.v[j + 1] - s; --j) pushAside(a, j, a.v[j + 1] - s);
    a.v[k] = std::min(a.v[k], offsetBound(hi, -(n - 1 - k), s));
    for (int j = k + 1; j < n && a.v[j] < a.v[j - 1] + s; ++j) pushAside(a, j, a.v[j - 1] + s);
    for (int pass = 0; pass < n; ++pass) {
        for (int j = 0; j < n; ++j) {
            if (!a.pushed[j]) continue;
            if (a.v[j] < a.saved[j]) {
                a.v[j] = a.saved[j];
                if (j < n - 1) a.v[j] = std::min(a.v[j], a.v[j + 1] - s);
            } else if (a.v[j] > a.saved[j]) {
                a.v[j] = a.saved[j];
                if (j > 0) a.v[j] = std::max(a.v[j], a.v[j - 1] + s);
            }
            if (a.v[j] == a.saved[j]) a.pushed[j] = 0;
        }
    }
}

// None or several moved: clamp and order, no elastic memory.
void clampAndOrder(Span& a, int first, int32_t lo, int32_t hi, int32_t s) {
    int n = a.n;
    for (int i = 0; i < n; ++i) a.v[i] = std::max(a.v[i], offsetBound(lo, i, s));
    for (int i = 0; i < n; ++i) a.v[i] = std::min(a.v[i], offsetBound(hi, -(n - 1 - i), s));
    for (int i = first; i >= 1; --i)
        if (a.v[i - 1] > a.v[i] - s) a.v[i - 1] = a.v[i] - s;
    for (int i = 1; i < n; ++i)
        if (a.v[i] < a.v[i - 1] + s) a.v[i] = a.v[i - 1] + s;
}

template <typename T>
void clampTo(T& value, T lo, T hi) {
    if (value < lo) value = lo;
    if (value > hi) value = hi;
}

} // namespace

void NormalizeBreakpoints(CAxe& axis) {
    size_t cap = axis.Values.size();
    if (cap == 0 || axis.PrevValues.size() != cap || axis.SavedValues.size() != cap ||
        axis.Pushed.size() != cap)
        return;
    Span a{axis.Values.data(), axis.PrevValues.data(), axis.SavedValues.data(), axis.Pushed.data(),
           std::clamp(axis.Count, 1, int(cap))};
    int changed = 0, first = -1;
    if (axis.LastChanged == kElasticReset) {
        changed = a.n;
        first = 0;
        forgetPushes(axis);
    } else {
        for (int i = 0; i < a.n; ++i) {
            if (a.v[i] == a.prev[i]) continue;
            ++changed;
            if (first < 0) first = i;
        }
        if (first != axis.LastChanged && first != -1) forgetPushes(axis);
    }
    if (changed == 1)
        moveOne(a, first, axis.Min, axis.Max, axis.Step);
    else
        clampAndOrder(a, first, axis.Min, axis.Max, axis.Step);
    std::copy(axis.Values.begin(), axis.Values.end(), axis.PrevValues.begin());
    if (first != -1) axis.LastChanged = first;
}

void NormalizeAxes(CSheet& sheet, CMarkers& markers, int parts) {
    if (sheet.X.Label == "RPM") {
        if (sheet.has(sfBaseAdvanceMarker))
            clampTo(markers.BaseAdvance, sheet.Data.Min, sheet.Data.Max);
        if (sheet.has(sfLimiterMarker)) clampTo(markers.RevLimiter, sheet.X.Min, sheet.X.Max);
        if (sheet.has(sfSecondRpmMarker)) clampTo(markers.SecondRpm, sheet.X.Min, sheet.X.Max);
    }
    for (auto [bit, axis] : {std::pair{kAxisX, &sheet.X}, std::pair{kAxisY, &sheet.Y}}) {
        if (!(parts & bit)) continue;
        if (parts & kResetElastic) axis->LastChanged = kElasticReset;
        NormalizeBreakpoints(*axis);
    }
    if ((parts & kAxisData) && !sheet.Data.Values.empty()) {
        int cols = std::clamp(sheet.X.Count, 0, kMaxColumns);
        int rows = std::clamp(sheet.Y.Count, 0, kMaxRows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                clampTo(sheet.cell(c, r), sheet.Data.Min, sheet.Data.Max);
    }
}

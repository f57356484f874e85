#include "mapedit/interpolate.h"

#include "mapedit/change_commit.h"
#include "mapedit/number_text.h"

namespace {

int32_t roundValue(double v) {
    return v == 0 ? 0 : RoundToRaw(v);
}

void interpolateRun(std::vector<int32_t>& v, int i1, int i2) {
    double a = v[size_t(i1)], b = v[size_t(i2)];
    for (int i = i1 + 1; i < i2; ++i) v[size_t(i)] = roundValue(a + (b - a) * (i - i1) / (i2 - i1));
}

// Weight of line i between i1 and i2: by breakpoint value on a numeric axis, else by index.
double weight(const CAxe& axis, int i, int i1, int i2) {
    double num, den;
    if (axis.Numeric) {
        num = double(axis.Values[size_t(i)]) - axis.Values[size_t(i1)];
        den = double(axis.Values[size_t(i2)]) - axis.Values[size_t(i1)];
    } else {
        num = i - i1;
        den = i2 - i1;
    }
    return den == 0 ? 0.5 : num / den;
}

void interpolateCells(CSheet& s, int x1, int x2, int y1, int y2) {
    double c11 = s.cell(x1, y1), c21 = s.cell(x2, y1), c12 = s.cell(x1, y2), c22 = s.cell(x2, y2);
    for (int y = y1; y <= y2; ++y) {
        double h = weight(s.Y, y, y1, y2);
        for (int x = x1; x <= x2; ++x) {
            double g = weight(s.X, x, x1, x2);
            double v = g * (h * c22 + (1 - h) * c21) + (1 - g) * (h * c12 + (1 - h) * c11);
            s.cell(x, y) = roundValue(v);
        }
    }
}

} // namespace

bool CanInterpolate(const CTabModel& m) {
    const CSheet* s = m.current();
    return s && s->Sel.IsRect && s->Sel.Count > 2;
}

void Interpolate(CTabModel& m) {
    if (!CanInterpolate(m)) return;
    CSheet& s = *m.current();
    const TSel& sel = s.Sel;
    int x1 = sel.X1, x2 = sel.X2, y1 = sel.Y1, y2 = sel.Y2;
    int part;
    if (y1 == -1) {
        if (!s.X.Editable || x1 < 0 || x2 >= s.X.Count) return;
        part = kAxisX;
    } else if (x1 == -1) {
        if (!s.Y.Editable || y1 < 0 || y2 >= s.Y.Count) return;
        part = kAxisY;
    } else {
        if (!s.Data.Editable || x1 < 0 || y1 < 0 || !s.inTable(x2, y2)) return;
        part = kAxisData;
    }
    NoteChange(m, 0, ChangeBegin);
    if (part == kAxisX)
        interpolateRun(s.X.Values, x1, x2);
    else if (part == kAxisY)
        interpolateRun(s.Y.Values, y1, y2);
    else
        interpolateCells(s, x1, x2, y1, y2);
    NoteChange(m, part, ChangeEnd);
    ClearSelection(s.Sel);
    m.Redraw |= 1;
}

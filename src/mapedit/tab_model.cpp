#include "mapedit/tab_model.h"

#include "mapedit/scale_steps.h"

#include <algorithm>

namespace {

std::string capped(std::string_view text, int chars) {
    return std::string(text.substr(0, size_t(chars)));
}

void allocate(CAxe& axis, int capacity) {
    for (auto* v : {&axis.Values, &axis.PrevValues, &axis.SavedValues, &axis.Pushed})
        v->assign(size_t(capacity), 0);
}

void defineBreakpointAxis(CAxe& a, const CAxisDef& d) {
    if (d.Symbol) a.Symbol = capped(*d.Symbol, kSymbolChars);
    if (d.Unit) a.Unit = capped(*d.Unit, kSymbolChars);
    a.Min = d.Min;
    a.Max = d.Max;
    a.Scale = d.Scale;
    a.Step = d.Step;
    a.Editable = d.Editable;
    a.Numeric = (d.Options & 1) != 0;
    a.FixedGraphRange = (d.Options & 2) != 0;
    a.MinCount = std::min(std::max(d.MinCount, 1), a.MaxCount);
    a.Count = std::min(std::max(d.Count, a.MinCount), a.MaxCount);
    a.CollapseOption = d.CollapseOption;
    a.Collapsed = d.Collapsed;
    a.Resizable = d.Resizable;
    a.CollapsePosition = d.CollapsePosition;
    a.RangeGroup = d.RangeGroup;
    a.Colour = d.Colour;
    a.Picture = d.Picture;
    SetScaleSteps(a, d.ScaleSteps);
}

void defineDataAxis(CAxe& a, const CAxisDef& d) {
    if (d.Symbol) a.Symbol = capped(*d.Symbol, kSymbolChars);
    if (d.Unit) a.Unit = capped(*d.Unit, kSymbolChars);
    a.Min = d.Min;
    a.Max = d.Max;
    a.Scale = d.Scale;
    a.Editable = d.Editable;
    a.Numeric = true;
    a.FixedGraphRange = (d.Options & 2) != 0;
    a.RangeGroup = d.RangeGroup;
    a.Colour = d.Colour;
    a.Picture = d.Picture;
    SetScaleSteps(a, d.ScaleSteps);
}

void clampScroll(CAxe& axis, int visible) {
    axis.ScrollOffset = std::clamp(axis.ScrollOffset, 0, std::max(0, axis.Count - visible));
}

} // namespace

void SetTitle(CTabModel& m, int sheet, std::string_view title, const TextWidthFn& width) {
    CSheet* s = m.sheet(sheet);
    if (!s) return;
    s->Title = capped(title, kTitleChars);
    int widest = 0;
    if (width)
        for (int lang = 0; lang < 4; ++lang) widest = std::max(widest, width(s->Title, lang));
    s->TabWidth = widest + 15;
}

int DefineSheet(CTabModel& m, std::string_view title, std::string_view xLabel,
                std::string_view yLabel, std::string_view dataLabel, int columns, int rows,
                uint32_t flags, const TextWidthFn& width) {
    if (m.SheetCount >= kMaxSheets) return -1;
    int index = m.SheetCount++;
    CSheet& s = m.Sheets[size_t(index)];
    s = CSheet{};
    s.Flags = flags;
    allocate(s.X, kMaxColumns);
    allocate(s.Y, kMaxRows);
    s.Data.Values.assign(size_t(kMaxCells), 0);
    SetTitle(m, index, title, width);
    s.X.Label = capped(xLabel, kLabelChars);
    s.Y.Label = capped(yLabel, kLabelChars);
    s.Data.Label = capped(dataLabel, kLabelChars);
    s.X.ShowUnit = s.Y.ShowUnit = true;
    s.Data.ShowUnit = false;
    s.X.MaxCount = s.X.Count = std::clamp(columns, 1, kMaxColumns);
    s.Y.MaxCount = s.Y.Count = std::clamp(rows, 1, kMaxRows);
    ClearSelection(s.Sel);
    NormalizeAxes(s, m.Markers, kAxisX | kAxisY | kAxisData);
    return index;
}

void DefineAxis(CTabModel& m, int sheet, int axes, const CAxisDef& def) {
    CSheet* s = m.sheet(sheet);
    if (!s) return;
    if (axes & kAxisX) defineBreakpointAxis(s->X, def);
    if (axes & kAxisY) defineBreakpointAxis(s->Y, def);
    if (axes & kAxisData) defineDataAxis(s->Data, def);
}

void NormalizeAxes(CTabModel& m, int sheet, int parts) {
    if (CSheet* s = m.sheet(sheet)) NormalizeAxes(*s, m.Markers, parts);
}

void UpdateVisibleCounts(CTabModel& m) {
    const CSheet* s = m.current();
    if (!s) return;
    m.VisibleCols = s->X.Collapsed ? 1 : std::min(m.MaxVisibleCols, s->X.Count);
    m.VisibleRows = s->Y.Collapsed ? 1 : std::min(m.MaxVisibleRows, s->Y.Count);
}

void RequestLayout(CTabModel& m) {
    CSheet* s = m.current();
    if (!s) return;
    CollapsedIndexOf(s->X);
    CollapsedIndexOf(s->Y);
    UpdateVisibleCounts(m);
    // A shorter axis (deleted lines, a smaller pasted sheet) must not leave
    // the window showing lines beyond its count.
    clampScroll(s->X, m.VisibleCols);
    clampScroll(s->Y, m.VisibleRows);
    m.Redraw |= 2;
}

void SetLiveValues(CTabModel& m, int rpm, int throttleTenths, int pressure) {
    m.Live.Rpm = rpm;
    m.Live.Throttle = throttleTenths < 0 ? 100 : throttleTenths / 10;
    m.Live.Pressure = pressure;
}

void LoadMarkers(CTabModel& m, int baseAdvance, int revLimiterRpm) {
    m.Markers.BaseAdvance = baseAdvance;
    m.Markers.RevLimiter = revLimiterRpm / 100;
}

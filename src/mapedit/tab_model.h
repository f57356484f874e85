#pragma once
// Everything of a map editor that is not pixels: its sheets, markers, live
// values, in-place edit, arrow buttons, drag and change-commit state.  The
// widget owns one and routes input to the operations declared beside it.

#include "mapedit/edit_buffer.h"
#include "mapedit/normalize.h"
#include "mapedit/sheet.h"

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// What the editor reports when a change is committed or the sheet changes.
struct CTabEvent {
    int Parts = 0; // 1 X breakpoints, 2 Y breakpoints, 4 cells; 0 sheet change
    int Sheet = -1;
    std::string Title;
    int32_t BaseAdvance = 0;
    int32_t RevLimiter = 0;
};

// A message box the widget shows: English text and caption, to be translated.
struct CEditorMessage {
    std::string Text;
    std::string Caption;
};

struct CArrowState {
    bool Shown = false;
    int X = -2, Y = -2; // item the arrows step
    int Hovered = 0;    // +1 up, -1 down, 0 none
    int Pressed = 0;
    int PressTick = 0;
    bool Repeated = false;
};

inline constexpr int kDragNone = 0;
inline constexpr int kDragFill = 1;
inline constexpr int kDragMove = 2;

struct CDragState {
    int State = kDragNone;
    int StartX = 0, StartY = 0;             // mouse position at the press
    int X0 = -2, Y0 = -2, X1 = -2, Y1 = -2; // selection block at the press
};

struct CChangeState {
    int Deadline = 0;
    int Parts = 0;
    int Key = 0;
};

struct CLiveValues {
    int Rpm = 0;
    int Throttle = 0; // percent
    int Pressure = 0; // kPa
};

struct CTabModel {
    std::array<CSheet, kMaxSheets> Sheets{};
    int SheetCount = 0;
    int Current = -1;
    int Previous = -1;
    CMarkers Markers;
    CLiveValues Live;
    int Tick = 0;
    int Lang = 0; // 3 Czech: copied numbers use a decimal comma
    int MaxVisibleCols = 15, MaxVisibleRows = 10;
    int VisibleCols = 1, VisibleRows = 1; // set by the layout
    int Redraw = 0;                       // 1 repaint, 2 layout and repaint
    const bool* Autoscroll = nullptr;     // shared switch; none counts as on
    CEditBuffer Edit;
    CArrowState Arrows;
    CDragState Drag;
    CChangeState Change;
    std::function<void(const CTabEvent&)> OnCommit;
    // Text of a named breakpoint id; none writes the number.
    std::function<std::string(int id)> NamedText;

    CSheet* current() {
        return Current >= 0 && Current < SheetCount ? &Sheets[size_t(Current)] : nullptr;
    }
    const CSheet* current() const {
        return Current >= 0 && Current < SheetCount ? &Sheets[size_t(Current)] : nullptr;
    }
    CSheet* sheet(int i) { return i >= 0 && i < SheetCount ? &Sheets[size_t(i)] : nullptr; }
};

// Pixel width of a text translated to a language (0..3), at the tab font.
using TextWidthFn = std::function<int(std::string_view english, int lang)>;

// Returns the new sheet's index, or -1 when all eight are defined.
int DefineSheet(CTabModel& m, std::string_view title, std::string_view xLabel,
                std::string_view yLabel, std::string_view dataLabel, int columns, int rows,
                uint32_t flags, const TextWidthFn& width = {});
void SetTitle(CTabModel& m, int sheet, std::string_view title, const TextWidthFn& width = {});

struct CAxisDef {
    std::optional<std::string> Symbol; // none keeps the old text
    std::optional<std::string> Unit;
    int32_t Min = 0, Max = 100;
    double Scale = 1.0;
    int32_t Step = 1;
    std::span<const ScaleStepEntry> ScaleSteps{};
    bool Editable = true;
    int Options = 1; // bit 0 numeric, bit 1 fixed graph range
    int MinCount = 1, Count = 1;
    int CollapseOption = 1;
    bool Collapsed = false;
    bool Resizable = true;
    int CollapsePosition = kCollapseFirst;
    uint32_t RangeGroup = 0;
    uint32_t Colour = 0xFFFFFF;
    const void* Picture = nullptr;
};
// axes: kAxisX | kAxisY | kAxisData.  Does not normalise.
void DefineAxis(CTabModel& m, int sheet, int axes, const CAxisDef& def);
void NormalizeAxes(CTabModel& m, int sheet, int parts);

// Visible counts before the layout knows better: min(maximum, Count), 1 when collapsed.
void UpdateVisibleCounts(CTabModel& m);
// After a sheet change, insert, delete or resize: re-derives the collapsed
// indices and the visible counts and asks the widget for a new layout.
void RequestLayout(CTabModel& m);
// Switches sheet: commits a pending edit, re-derives the collapsed indices,
// updates the live marker and reports a sheet change (parts 0).
void SelectSheet(CTabModel& m, int index);
// Live values from the main window; throttle in tenths of a percent (negative: 100 %).
void SetLiveValues(CTabModel& m, int rpm, int throttleTenths, int pressure);
// Markers as the main window keeps them: base advance in degrees, rev limiter in rpm.
void LoadMarkers(CTabModel& m, int baseAdvance, int revLimiterRpm);
// The editor's own tick: arrow auto-repeat, live marker, commit deadline.
void TickModel(CTabModel& m);

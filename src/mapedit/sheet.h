#pragma once
// The editor's table records: an axis (CAxe) and a sheet (CSheet).  Every
// breakpoint and cell is a raw 32-bit integer; the user sees raw x Scale.

#include "mapedit/selection.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int kMaxSheets = 8;
inline constexpr int kMaxColumns = 50;
inline constexpr int kMaxRows = 30;
inline constexpr int kRowStride = 50;
inline constexpr int kMaxCells = kMaxColumns * kMaxRows;

inline constexpr int kLabelChars = 31; // Label: 32 bytes with terminator
inline constexpr int kSymbolChars = 7; // Symbol and Unit: 8 bytes
inline constexpr int kTitleChars = 47; // Title: 48 bytes

inline constexpr int kMaxScaleSteps = 5;

// Axis bits used by DefineAxis, NormalizeAxes and the change parts.
inline constexpr int kAxisX = 1;
inline constexpr int kAxisY = 2;
inline constexpr int kAxisData = 4;
inline constexpr int kResetElastic = 0x100;

// Sheet flags.
inline constexpr uint32_t sfLiveMarker = 0x0001;
inline constexpr uint32_t sfGraphOverY = 0x0002;
inline constexpr uint32_t sfCanDisable = 0x0008;
inline constexpr uint32_t sfSensorSheet = 0x0020;
inline constexpr uint32_t sfBaseAdvanceMarker = 0x0100;
inline constexpr uint32_t sfLimiterMarker = 0x0200;
inline constexpr uint32_t sfSecondRpmMarker = 0x0400;

// CollapsePosition values below zero.
inline constexpr int kCollapseFirst = -1;
inline constexpr int kCollapseLast = -2;
inline constexpr int kCollapseMiddle = -3;

// LastChanged value that makes the next normalisation forget pushed breakpoints.
inline constexpr int kElasticReset = -3;

// One graph step entry: span limit, rounding step, grid step, unused, label step.
using ScaleStepEntry = std::array<double, 5>;

struct CAxe {
    uint32_t Colour = 0xFFFFFF; // 0x00BBGGRR
    const void* Picture = nullptr;
    std::string Label;
    std::string Symbol;
    std::string Unit;
    bool ShowUnit = false;
    int MaxCount = 1;
    int MinCount = 1;
    int Count = 1;
    bool Collapsed = false;
    int CollapsedIndex = 0;
    int CollapsePosition = kCollapseFirst;
    bool Editable = true;
    bool Resizable = true;
    int CollapseOption = 1; // 0 fixed, 1 user may switch off, 2 absent
    int ScrollOffset = 0;
    std::vector<int32_t> Values;
    std::vector<int32_t> PrevValues;
    std::vector<int32_t> SavedValues;
    std::vector<int32_t> Pushed;
    double Scale = 1.0;
    int32_t Min = 0;
    int32_t Max = 100;
    int32_t Step = 1;
    int LastChanged = kElasticReset;
    bool NamedValues = false;
    bool Numeric = true;
    uint32_t RangeGroup = 0;
    int ScaleStepCount = 0;
    std::array<ScaleStepEntry, kMaxScaleSteps> ScaleSteps{};
    ScaleStepEntry ActiveScaleStep{0, 1, 1, 1, 1};
    int32_t GraphMin = 0;
    int32_t GraphMax = 0;
    bool FixedGraphRange = false;
};

struct CSheet {
    uint32_t Flags = 0;
    bool Enabled = true;
    bool Hidden = false;
    std::string Title;
    int TabWidth = 0;
    int TitleFontSize = 13;
    int LabelFontSize = 12;
    CAxe X;
    CAxe Y;
    CAxe Data;
    int LiveCol = -2;
    int LiveRow = -2;
    int LiveState = 0;
    TSel Sel;

    bool has(uint32_t flag) const { return (Flags & flag) != 0; }
    int32_t& cell(int col, int row) { return Data.Values[size_t(row * kRowStride + col)]; }
    int32_t cell(int col, int row) const { return Data.Values[size_t(row * kRowStride + col)]; }
    bool inTable(int col, int row) const {
        return col >= 0 && col < X.Count && row >= 0 && row < Y.Count;
    }
};

inline constexpr int CellIndex(int col, int row) {
    return row * kRowStride + col;
}

// Derives CollapsedIndex from CollapsePosition and the current Count, stores and returns it.
int CollapsedIndexOf(CAxe& axis);

// The change part of a table position: kAxisX in the X header row (y == -1),
// kAxisY in the Y header column (x == -1), kAxisData for cells; 0 for (-1, -1)
// or -2 coordinates.
int PartAt(int x, int y);
// The axis a part belongs to; nullptr for anything but one part bit.
CAxe* AxisOfPart(CSheet& sheet, int part);
const CAxe* AxisOfPart(const CSheet& sheet, int part);

// Value slot of a table position, or nullptr when outside the used area.
int32_t* ValueAt(CSheet& sheet, int x, int y);
const int32_t* ValueAt(const CSheet& sheet, int x, int y);

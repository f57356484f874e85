#pragma once
// The selection of one sheet: marked header cells and cells, the solid
// rectangle that interpolation needs, and the keyboard cursor and range.
// Positions: x column, y row; y == -1 is the X header row, x == -1 the
// Y header column, -2 means none.

#include <array>
#include <cstdint>

// Selection kinds (TSel::Kind) and gesture modes (TSel::Mode).
inline constexpr int skNone = 0;
inline constexpr int skCells = 1;
inline constexpr int skXHeader = 2;
inline constexpr int skYHeader = 4;
inline constexpr int smColumns = 8;
inline constexpr int smRows = 16;
inline constexpr int smHeld = 256;

// Mark bits.
inline constexpr uint16_t kMarkSelected = 1;
inline constexpr uint16_t kMarkGesture = 2;
inline constexpr uint16_t kMarkCorner = 4;

struct TSel {
    int Mode = 0;
    int Kind = skNone;
    std::array<uint16_t, 50> XMarks{};
    std::array<uint16_t, 30> YMarks{};
    std::array<uint16_t, 1500> CellMarks{};
    bool IsRect = false;
    int X1 = -2, X2 = -2, Y1 = -2, Y2 = -2;
    int AnchorX = -1, AnchorY = -1;
    int CurX = -1, CurY = -1;
    int MinX = -2, MinY = -2, MaxX = -2, MaxY = -2;
    int CursorX = 0, CursorY = 0;
    int RangeX = 0, RangeY = 0;
    int Count = 0;

    // The mark of a table position (X header, Y header or cell); nullptr outside the arrays.
    uint16_t* mark(int x, int y);
    uint16_t markAt(int x, int y) const;
    bool isMarked(int x, int y) const { return markAt(x, y) != 0; }
};

void ClearSelection(TSel& sel);
void SelectItem(TSel& sel, int x, int y);
void SelectRange(TSel& sel, int x, int y);
void AnalyseSelection(TSel& sel);
// Recomputes MinX..MaxY from the marks.
void UpdateSelectionBounds(TSel& sel);

// The change part (1 X, 2 Y, 4 cells) that belongs to a selection kind.
int PartOfKind(int kind);

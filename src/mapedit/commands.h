#pragma once
// Editor commands that act on the model alone (the widget runs the rest).

#include "mapedit/tab_model.h"

inline constexpr int kCmdCopy = 0;
inline constexpr int kCmdCopyTable = 1;
inline constexpr int kCmdPaste = 2;
inline constexpr int kCmdStepUp = 3;
inline constexpr int kCmdStepDown = 4;
inline constexpr int kCmdOnlyX = 13;
inline constexpr int kCmdOnlyY = 14;
inline constexpr int kCmdBothAxes = 15;
inline constexpr int kCmdToggleEnabled = 19;
inline constexpr int kCmdCopyGraph = 40;
inline constexpr int kCmdInterpolate = 101;

// Whether the axis-choice command is allowed on the current sheet.
bool AxisChoiceAllowed(const CTabModel& m, int command);
// Runs command 3, 4, 13, 14, 15, 19 or 101; false when it is not one of
// them or not allowed.
bool ExecuteModelCommand(CTabModel& m, int command);

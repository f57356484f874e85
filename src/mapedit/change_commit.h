#pragma once
// Change commits: every change is normalised at once and reported in one
// notification, either at its end (typed, pasted, interpolated, filled,
// moved, inserted or deleted changes) or 5 ticks after the last step of the
// same target (stepping), so a held key gives one notification.

#include "mapedit/tab_model.h"

inline constexpr int ChangeBegin = 0x40000001;
inline constexpr int ChangeEnd = 0x40000002;
inline constexpr int kChangeDelay = 5; // ticks

// Keys of stepped targets: the selection (kind and count) or one item.
int SelectionStepKey(int kind, int count);
int ItemStepKey(int x, int y);

void NoteChange(CTabModel& m, int parts, int key);
// Sends what has accumulated (nothing when no parts) and clears the state.
void CommitChange(CTabModel& m);
// Commits when parts are pending and the deadline is reached.
void CheckChangeDeadline(CTabModel& m);

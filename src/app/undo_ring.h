#pragma once
// History of whole-image snapshots for undo and redo: a ring of 200 ring with
// three indexes.  Plain data so it can be tested without a window.

#include "model/param_image.h"

#include <array>
#include <cstdint>
#include <optional>

inline constexpr int kUndoSlots = 200;

struct TUndoSnapshot {
    TParamImage image;
    uint8_t page = 0; // the page that was active when the snapshot was taken
};

// What the window does after an undo or redo step.
struct TUndoStep {
    TParamImage image;  // copy into the image
    int slotPage = 0;   // page stored with the restored state
    int switchPage = 0; // page to switch to when the active page differs from slotPage
};

struct TUndoRing {
    std::array<TUndoSnapshot, kUndoSlots> ring{};
    int oldest = 0;  // earliest state that can be returned to
    int current = 0; // the state the image is in
    int newest = 0;  // latest state that can be redone to

    void Reset(const TParamImage& image, int page);
    // Stores a new state when the image differs from the current one; returns
    // whether it did (the window then programs the unit when asked to).
    bool Snapshot(const TParamImage& image, int page);
    std::optional<TUndoStep> Undo();
    std::optional<TUndoStep> Redo();

    bool CanUndo() const { return current != oldest; }
    bool CanRedo() const { return current != newest; }
};

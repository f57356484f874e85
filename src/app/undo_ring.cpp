#include "app/undo_ring.h"

namespace {
int Next(int i) {
    return i + 1 >= kUndoSlots ? 0 : i + 1;
}
int Prev(int i) {
    return i == 0 ? kUndoSlots - 1 : i - 1;
}
} // namespace

void TUndoRing::Reset(const TParamImage& image, int page) {
    oldest = current = newest = 0;
    ring[0] = {image, uint8_t(page)};
}

bool TUndoRing::Snapshot(const TParamImage& image, int page) {
    if (ring[current].image == image) return false;
    current = Next(current);
    newest = current;
    if (oldest == current) oldest = Next(oldest);
    ring[current] = {image, uint8_t(page)};
    return true;
}

std::optional<TUndoStep> TUndoRing::Undo() {
    if (!CanUndo()) return std::nullopt;
    const int undone = current;
    current = Prev(current);
    // Going back shows the page on which the undone change was made.
    return TUndoStep{ring[current].image, ring[current].page, ring[undone].page};
}

std::optional<TUndoStep> TUndoRing::Redo() {
    if (!CanRedo()) return std::nullopt;
    current = Next(current);
    return TUndoStep{ring[current].image, ring[current].page, ring[current].page};
}

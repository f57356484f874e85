#pragma once
// One fuzz round of the clipboard paths: the first byte picks the sheet and
// the target, the rest is the clipboard text.  Aborts when a paste leaves the
// sheet outside its invariants.

#include <cstddef>
#include <cstdint>

void FuzzPasteTextOnce(const uint8_t* data, size_t size);
void FuzzPasteSheetOnce(const uint8_t* data, size_t size);

#pragma once
#include "model/param_image.h"

#include <optional>
#include <string>

inline constexpr int kPresetCount = 39; // list entries 0..38

// Preset code of a list entry (0..38).
int PresetCodeForIndex(int index);
// List entry showing a code; nullopt for a code outside 0..38 (the selection stays).
std::optional<int> PresetIndexForCode(int code);
// English text of a list entry.
const char* PresetEntryText(int index);

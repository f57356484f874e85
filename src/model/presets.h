#pragma once
// The bike preset list: 39 entries, each naming a motorcycle or trigger
// system and the synchronisation set-up it needs.  Entry 38 is the special
// setting (code 22), which has no preset.

#include "model/param_image.h"

#include <array>
#include <optional>
#include <string>

inline constexpr int kPresetCount = 39; // list entries 0..38

// One field set to one value, beyond the trigger set-up.
struct PresetExtra {
    const FieldDesc* field = nullptr;
    uint8_t value = 0;
};

struct BikePreset {
    int index;                     // position in the list
    const char* text;              // English text of the entry
    int code;                      // BikeCode
    bool hasSync;                  // false only for the special setting
    int method;                    // byte 84
    int lobes;                     // byte 85
    int outputs;                   // byte 86
    int triggerCount;              // channels with triggers (the rest stay as reset)
    std::array<uint8_t, 4> maxAdv; // LobeRef per channel
    std::array<uint8_t, 4> startAdv;
    std::optional<uint8_t> pulses; // tachometer pulses (byte 94); nullopt = unchanged
    int input1;                    // byte 126
    int neutralStand;              // byte 128
    std::array<PresetExtra, 2> extras;
};

// Preset code of a list entry (0..38); -1 for an index outside the list.
int PresetCodeForIndex(int index);
// List entry showing a code; nullopt for a code outside 0..38 (the selection stays).
std::optional<int> PresetIndexForCode(int code);
// English text of a list entry ("" outside the list).
const char* PresetEntryText(int index);
// The preset with this code; nullptr for a code outside the table.
const BikePreset* PresetForCode(int code);

// Applies the preset of `code` to the selected groups: method, lobes,
// outputs, triggers and the extras of the Bike group when Bike is selected,
// extras of other groups (servo enable) when their group is selected.
// No effect for code 22 or a code outside the table.
void ApplyPreset(TParamImage& img, int code, PageSelection sel);

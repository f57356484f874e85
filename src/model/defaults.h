#pragma once
#include "model/param_image.h"

#include <array>
#include <cstdint>

// Factory values, by page group, and the reset of an image to them.

// Default advance map in degrees: columns 0..9 of rows 0..9; columns 10..14
// repeat column 9.
inline constexpr int kDefaultAdvColumns = 10;
extern const std::array<std::array<int8_t, kDefaultAdvColumns>, kMapRows> kDefaultAdvanceDegrees;

// A servo table: ten speed breakpoints (rpm) and ten voltages (mV) that fill
// columns 0..9 of every row.
struct ServoTable {
    std::array<int, 10> speedsRpm;
    std::array<int, 10> voltagesMv;
};
extern const ServoTable kServoTableA; // every bike but code 19
extern const ServoTable kServoTableB; // code 19

// Whether a reset clears the channel triggers of a bike with a preset.
enum class TriggerReset { Clear, Keep };

// Resets the fields of the selected groups to factory values, then applies the
// synchronisation preset of the image's BikeCode, in four steps:
//  1. the selected groups are marked;
//  2. their defaults are written (tachometer pulses, inputs and the servo
//     table follow the current BikeCode);
//  3. unless BikeCode is 22: the eight channel triggers are cleared (Bike
//     group) and the ignitions code is set to 1 (Miscellaneous group);
//  4. the preset of BikeCode is applied (ApplyPreset).
// Fields without a default (power-output grids, interlock, servo map mode,
// BikeCode, reserved bytes) keep their values.  The caller refreshes the
// pages and redraws the map editors.
void ApplyDefaults(TParamImage& img, PageSelection sel);
// Same, but with TriggerReset::Keep the channel triggers survive step 3
// (used when loading an older file version).
void ApplyDefaults(TParamImage& img, PageSelection sel, TriggerReset triggers);

// Step 2 alone: the factory values of the selected groups.
void WriteGroupDefaults(TParamImage& img, PageSelection sel);
// Step 3 alone: what a bike with a preset resets before its preset applies.
void ResetForBikeCode(TParamImage& img, PageSelection sel,
                      TriggerReset triggers = TriggerReset::Clear);
// The factory values of the two power outputs (modes, speeds, hysteresis, loads).
void WritePowerOutDefaults(TParamImage& img);

// What the New command does to the image for a selection: the reset to
// defaults.  The window then shows the current page and runs its change cycle.
void NewImage(TParamImage& img, PageSelection sel);

// The image the program starts with: BikeCode 20 ("Yamaha R6"), all groups reset.
TParamImage StartupImage();

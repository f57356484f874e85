#pragma once
// The decoded value record between the image and the page controls: one int
// per parameter, in the units the pages show.  The maps, their speed axes and
// their columns in use are not part of it; they stay in the image (the map
// editors work on them directly).

#include "model/param_image.h"

#include <array>

// Trigger set-up of one channel, decoded from its two LobeRef bytes.
struct TChannelValues {
    int maxAdvLobe = 0;
    int maxAdvSecondEdge = 0;
    int maxAdvSecondPickup = 0;
    int startAdvLobe = 0;
    int startAdvSecondEdge = 0;
    int startAdvSecondPickup = 0;
    bool operator==(const TChannelValues&) const = default;
};

struct TPowerOutValues {
    int mode = 0;
    int hysteresis = 0;          // display units (x10)
    std::array<int, 3> speeds{}; // rpm
    std::array<int, 2> loads{};  // lower, upper (percent or kPa)
    std::array<int, 3> grid{};   // one row of four on/off bits per load zone
    bool operator==(const TPowerOutValues&) const = default;
};

struct TPageValues {
    // Miscellaneous
    int limiter = 0;      // rpm
    int startLimiter = 0; // rpm
    int clutchTime = 0;   // ms
    int clutchPause = 0;  // ms
    int retard = 0;       // degrees
    int revsWithoutIgnition = 0;
    int loadSensor = 0; // 0 none, 1 TPS, 2 IAP
    int dwellMode = 0;
    int dwellTime = 0;           // us
    int dwellCorrection = 0;     // %
    int dwellDynamic = 0;        // %
    int dwellMaxTime = 0;        // us
    int dwellLobeMaxSpeed = 0;   // rpm
    int minDischarge = 0;        // us
    int tpsLow = 0, tpsHigh = 0; // mV
    int iapPressure1 = 0, iapVoltage1 = 0, iapPressure2 = 0, iapVoltage2 = 0;
    int inputsNeutralStand = 0;
    int input1Function = 0;
    int input2Function = 0;

    // Bike
    int bikeCode = 0;
    int tachoPulses = 0;
    int tachoCorrection = 0; // %
    int pickup1Polarity = 0;
    int pickup2Polarity = 0;
    int pickupsInterchanged = 0;
    int noPolarityCheck = 0;
    int interlockInput = 0;
    int sparkBeforeLobe = 0;
    int lowerAdvanceAtStart = 0;
    int specialDwellStart = 0;
    std::array<int, 4> compensation{};
    int syncMethod = 0;
    int lobeCount = 0;
    int outputCount = 1; // 1..4
    std::array<TChannelValues, 4> channels{};
    int ignitionsCode = 0; // byte 87 as stored; see IgnitionsIndexForCode

    // Advance map
    int advMapMode = 0;
    int baseAdvance = 0; // degrees
    std::array<int, 10> advLoadAxis{};
    std::array<int, 4> cylCorrection{}; // degrees

    // Servo
    int servoEnabled = 0;
    int servoPercent = 0;
    int servoHysteresis = 0; // mV
    int servoOffPosition = 0;
    int servoMapMode = 0;
    std::array<int, 10> servoLoadAxis{};

    // Power out
    std::array<TPowerOutValues, 2> powerOut{};

    // Test
    int testSpeed = 0;     // rpm
    int servoTestTime = 0; // ms

    bool operator==(const TPageValues&) const = default;
};

// Decodes the image into display units.  An output count of 0 reads as 1,
// one above 4 as 4.
TPageValues ImageToValues(const TParamImage& img);
void ImageToValues(const TParamImage& img, TPageValues& v);

// Stores the values back with the inverse rules, truncating by integer
// division (a value beyond the byte or word stops at its limit instead of
// wrapping).  The six dwell bytes always receive 0.  Maps, speed axes,
// columns in use, byte 83 and the reserved bytes are not touched.
void ValuesToImage(const TPageValues& v, TParamImage& img);

// Values this edition fixes whenever the Bike page is shown: the special
// setting (BikeCode 22), tachometer pulses 1 and correction 0, pick-up 1
// polarity Minus, pick-ups interchanged, no polarity check, no lower advance
// at start, compensation 1..3 at 11 (compensation 4 stays).
void PinBikePageValues(TPageValues& v);
// Values fixed whenever the Miscellaneous page is shown: no neutral/stand
// inputs, input 2 off, no load sensor; an input 1 function beyond
// "Kill switch" becomes "Off".
void PinMiscPageValues(TPageValues& v);

// Reading the Bike page: a bike other than the special setting has no
// polarity check, interlock or spark-before-lobe option.
void ApplyBikePageReadRule(TPageValues& v);
// Method 8 (48-2) triggers on the second edge: all eight second-edge flags
// are forced on, when the Bike page is read and when it is shown.
void ForceSecondEdgesForMethod8(TPageValues& v);

// The ignitions drop-down: entry i stores code (i + 1) mod 4, code c shows
// entry (c + 3) mod 4 (entry 3 is "1 ignition per 2 revolutions", code 0).
int IgnitionsCodeForIndex(int index);
int IgnitionsIndexForCode(int code);

// What loading a file does after the load: the image is decoded, every page
// is shown (so both pins and the method-8 forcing apply), stored back and
// normalised.  The command-line tool and the window end with the same image.
void ApplyEditionPins(TParamImage& img);

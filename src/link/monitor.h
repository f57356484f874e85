#pragma once
// The live-data packet of the unit: its decoding into live values and the
// composition of every monitor label as text plus colour.

#include "link/colour_role.h"
#include "link/frame.h"
#include "link/translate.h"
#include "model/param_image.h"

#include <array>
#include <cstdint>
#include <string>

// Byte positions of the monitor packet (frame numbering, byte 0 = 0xB0).
namespace Monitor {
inline constexpr int OutputLevel = 1;
inline constexpr int Speed = 2;
inline constexpr int LoadVoltage = 4;
inline constexpr int Supply = 6;
inline constexpr int ServoMeasured = 8;
inline constexpr int ServoDesired = 10;
inline constexpr int Programmings = 12;
inline constexpr int AdvanceLimit = 14; // 4 words
inline constexpr int LoadValue = 22;
inline constexpr int SavingCountdown = 28;
inline constexpr int TestValues = 30; // 8 words
inline constexpr int Clutch = 50;
inline constexpr int LoadType = 51;
inline constexpr int Outputs = 52;
inline constexpr int AdvanceNow = 57; // 4 bytes, +100, 0 = base advance
inline constexpr int Limiter = 61;
inline constexpr int DwellCoefficient = 62;
inline constexpr int RetardActive = 63;
inline constexpr int StartLimiterActive = 64;
inline constexpr int Inputs = 90;
inline constexpr int Status = 91;
inline constexpr int SubVersion = 99;
inline constexpr int Version = 100;

// Byte 90.
inline constexpr uint8_t Pickup1Signal = 0x01;
inline constexpr uint8_t Pickup2Signal = 0x02;
inline constexpr uint8_t Input1Grounded = 0x04;
inline constexpr uint8_t Input2Grounded = 0x08;
inline constexpr uint8_t Pickup1Negative = 0x10;
inline constexpr uint8_t Pickup2Negative = 0x20;
inline constexpr uint8_t Pickup1PolarityError = 0x40;
inline constexpr uint8_t Pickup2PolarityError = 0x80;
// Byte 91.
inline constexpr uint8_t KillSwitch = 0x01;
inline constexpr uint8_t MotorOff = 0x02;
inline constexpr uint8_t DataError = 0x04;
inline constexpr uint8_t ServoInOrder = 0x10;
inline constexpr uint8_t Pickup1SystemError = 0x20;
inline constexpr uint8_t Pickup2SystemError = 0x40;
inline constexpr uint8_t PressureSensorError = 0x80;

inline constexpr int DwellCoefficientMin = 80;
inline constexpr int DwellCoefficientMax = 250;
inline constexpr int SavingFull = 1000;
} // namespace Monitor

// The values of the last good packet.
struct TLiveValues {
    int speed = 0;             // rpm
    int loadSensorType = 0;    // 0..2
    int throttleX10 = -1;      // per cent x 10, or -1 without a throttle sensor
    int pressure = -1;         // kPa, or -1 without a pressure sensor
    int loadSensorVoltage = 0; // mV
    int supplyVoltage = 0;     // mV
    int servoMeasured = 0;     // mV
    int servoDesired = 0;      // mV
    int programmings = 0;
    std::array<int, 4> advanceLimit{};   // degrees, 0 = none
    std::array<uint8_t, 4> advanceNow{}; // degrees + 100, 0 = base advance
    int savingCountdown = 0;
    std::array<int, 8> testValues{};
    bool clutchActive = false;
    uint8_t outputs = 0; // bit 0 output 1, bit 1 output 2
    bool limiterActive = false;
    bool retardActive = false;
    bool startLimiterActive = false;
    int dwellCoefficient = 0;
    bool dwellOutOfRange = false;
    uint8_t inputBits = 0;  // byte 90
    uint8_t statusBits = 0; // byte 91
    int firmwareVersion = 0;
    int firmwareSubVersion = 0;

    bool Pickup2Signal() const { return inputBits & Monitor::Pickup2Signal; }
    bool VersionMatches() const {
        return firmwareVersion == kProtocolVersion && firmwareSubVersion == kProtocolSubVersion;
    }
};

// Decodes an intact packet (the checksum is the caller's test).
TLiveValues DecodeMonitorPacket(FrameView packet);

// Every label the monitor writes.
struct TMonitorLabels {
    TLabel rpm;
    int rpmGauge = 0; // 0..100
    TLabel voltage;
    TLabel motorOff;
    std::array<TLabel, 4> advance;
    std::array<TLabel, 2> pickup;
    std::array<TLabel, 2> powerOut;
    TLabel startLimiter;
    TLabel retard;
    TLabel servoDesired;
    TLabel servoMeasured;
    TLabel version;
    TLabel dataError;
    TLabel programmings;
    std::array<TLabel, 8> test;
    TLabel dwellCalibError;
    std::array<TLabel, 2> input;
    TLabel clutch;
    TLabel killSwitch;
};

// "Unmatched version ..." or "Unmatched subversion ..." with the version tail,
// or an empty text when the unit runs 97.00.
std::string VersionMismatchText(int version, int subVersion, const Translator& tr);

// Composes every monitor label from a packet's values.  The image gives the
// limiter, the synchronisation method and the power-output modes.
TMonitorLabels BuildMonitorLabels(const TLiveValues& live, const TParamImage& image, bool connected,
                                  const Translator& tr);

// The power-output labels alone (they depend on the connection state).
TLabel PowerOutLabel(int output, const TLiveValues& live, const TParamImage& image, bool connected,
                     const Translator& tr);

// Visibility and enabling of the monitor labels by the image and the link,
// as brought up to date on every tick.
void ApplyLabelRules(TMonitorLabels& labels, const TLiveValues& live, const TParamImage& image,
                     bool connected);

// Gauge progress (0..100) of the "Saving:" display for a saving countdown.
int SavingProgress(int countdown);

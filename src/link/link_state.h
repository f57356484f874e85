#pragma once
// The link's state: the operation in progress and the port supervision.

#include "model/param_image.h"

#include <cstdint>

enum TDeviceOperation : uint8_t {
    doIdle = 0,
    doProgram = 1,
    doVerify = 2,
    doRead = 3,
    doReset = 8,
    doRelease = 9,
};

// Tick counts of the link (one tick = 55 ms).
inline constexpr int kResendTicks = 4;
inline constexpr int kMaxBlockSends = 5;
inline constexpr int kMaxResetSends = 2;
inline constexpr int kMonitorTicks = 6;
inline constexpr int kStatusTicks = 200;
inline constexpr int kSilenceLimit = 18;
inline constexpr int kReopenTicks = 30;

// Com menu: indices 0..29 are fixed ports, 30 is the automatic scan.
inline constexpr int kFixedPortCount = 30;
inline constexpr int kAutoPort = 30;
inline constexpr int kLastScanPort = 30; // the scan runs over COM1..COM31

// Bootloader hand-over codes.
inline constexpr uint32_t kBootloaderRelease = 0x7FFFFFA1;
inline constexpr uint32_t kBootloaderResetRelease = 0x7FFFFFA2;
inline constexpr uint32_t kBootloaderDone = 0x7FFFFFA4;

struct TLinkState {
    // Operation.
    TDeviceOperation Operation = doIdle;
    uint8_t CommandByte = 0;
    uint8_t BlockIndex = 0;
    uint8_t TickCounter = 0;
    uint8_t RetryCounter = 0;
    uint8_t StatusCountdown = 0;
    bool ProgrammedOk = false;
    uint8_t PendingTestFlags = 0;
    THeaderBlock Header;

    // Port supervision.
    bool PortEnabled = true;
    int ChosenPort = kAutoPort;
    int ScanPort = 0;
    uint8_t SilenceCounter = kSilenceLimit;
    bool Connected = false;
    uint8_t ReopenCounter = 0;
    bool QuietReopen = false;
    bool NoConnectionShown = false;

    bool operator==(const TLinkState&) const = default;

    // Index of the port in use (the scanned one in automatic mode).
    int PortInUse() const { return ChosenPort == kAutoPort ? ScanPort : ChosenPort; }
};

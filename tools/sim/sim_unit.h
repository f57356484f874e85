#pragma once
// The simulated ignition unit's protocol logic: it answers every request frame
// with exactly one frame, as the unit does.  Plain C++, so tests can run it in
// process; the program around it only moves bytes.

#include "link/frame.h"
#include "model/param_image.h"

#include <array>
#include <cstdint>
#include <optional>

struct TSimConfig {
    int version = kProtocolVersion;
    int subVersion = kProtocolSubVersion;
};

class TSimUnit {
  public:
    TSimUnit(const TParamImage& image, TSimConfig config);

    // The reply to one request, or nothing for a frame the unit ignores
    // (bad checksum, reply byte, unknown block).  nowMs is the unit's clock.
    std::optional<TDeviceFrame> Answer(FrameView request, int64_t nowMs);

    const TParamImage& Image() const { return image_; }
    const THeaderBlock& Header() const { return header_; }
    int Programmings() const { return programmings_; }
    int Resets() const { return resets_; }
    std::array<int, 3> Fired() const { return fired_; }
    // True once after a block was programmed (the caller saves the state).
    bool TakeImageChanged();

    // Engine speed at a time: a slow sweep from idle to the limiter and back.
    int SpeedAt(int64_t nowMs) const;
    // Advance in degrees the unit applies at a speed, from its stored map.
    int AdvanceAt(int speed, int cylinder) const;

  private:
    TDeviceFrame HeaderReply(uint8_t replyByte) const;
    TDeviceFrame BlockReply(uint8_t replyByte, std::span<const uint8_t, kBlockSize> data) const;
    TDeviceFrame MonitorPacket(int64_t nowMs);
    void StoreBlock(int index, std::span<const uint8_t, kBlockSize> data, int64_t nowMs);

    TParamImage image_;
    THeaderBlock header_;
    int programmings_ = 0;
    int resets_ = 0;
    std::array<int, 3> fired_{};
    uint8_t lastTestFlags_ = 0;
    int64_t savingUntilMs_ = 0;
    bool imageChanged_ = false;
};

// Builds the header block the simulated unit reports.
THeaderBlock SimHeader(TSimConfig config);

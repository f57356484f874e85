#include "sim_unit.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "link/monitor.h"

namespace {

constexpr int kIdleSpeed = 1200;
constexpr int64_t kSweepMs = 20000; // idle -> limiter -> idle
constexpr int64_t kSavingMs = 1500; // storing the parameters after a Program
constexpr int kSavingCountdown = 1000;
// The unit keeps its own programming count in the reserved byte 83 of block 1.
constexpr int kReservedByte = Field::Reserved83.offset;

void PutWord(TDeviceFrame& f, int at, int v) {
    f[at] = uint8_t(v & 0xFF);
    f[at + 1] = uint8_t((v >> 8) & 0xFF);
}

} // namespace

THeaderBlock SimHeader(TSimConfig config) {
    using H = THeaderBlock;
    THeaderBlock h;
    h[H::NameChars] = 'A';
    h[H::NameChars + 1] = 'R';
    h[H::NameChars + 2] = 'X';
    h[H::NameNumber] = 4;
    h[H::Day] = 14;
    h[H::Month] = 32; // March
    h[H::Year] = 24;
    h[H::Hour] = 10;
    h[H::Minute] = 31;
    h[H::Version] = uint8_t(config.version);
    h[H::SubVersion] = uint8_t(config.subVersion);
    return h;
}

TSimUnit::TSimUnit(const TParamImage& image, TSimConfig config)
    : image_(image), header_(SimHeader(config)), programmings_(image[kReservedByte]) {}

bool TSimUnit::TakeImageChanged() {
    return std::exchange(imageChanged_, false);
}

std::optional<TDeviceFrame> TSimUnit::Answer(FrameView request, int64_t nowMs) {
    if (!FrameIntact(request)) return std::nullopt;
    const uint8_t command = request[0];
    if (command == kMonitorRequest) {
        lastTestFlags_ = request[kMonitorTestFlagsByte];
        for (int c = 0; c < 3; ++c)
            if (lastTestFlags_ & (1 << c)) ++fired_[c];
        return MonitorPacket(nowMs);
    }
    if (command & kReplyFlag) return std::nullopt;
    const int index = BlockIndexOf(command);
    if (index > kLastBlockIndex) return std::nullopt;
    const bool read = command & kReadRequest;
    const uint8_t reply = ReplyByteOf(command);

    if (index == kHeaderBlockIndex) {
        if (!read && request[kResetMarkByte] == kResetMark1 &&
            request[kResetMarkByte + 1] == kResetMark2)
            ++resets_;
        return HeaderReply(reply);
    }
    if (read) return BlockReply(reply, image_.block(index));
    // Program: store the block, then echo exactly what arrived.
    StoreBlock(index, FramePayload(request), nowMs);
    return BlockReply(reply, FramePayload(request));
}

void TSimUnit::StoreBlock(int index, std::span<const uint8_t, kBlockSize> data, int64_t nowMs) {
    auto block = image_.block(index);
    std::copy(data.begin(), data.end(), block.begin());
    if (index == kLastBlockIndex) {
        ++programmings_;
        savingUntilMs_ = nowMs + kSavingMs;
    }
    image_[kReservedByte] = uint8_t(programmings_);
    imageChanged_ = true;
}

TDeviceFrame TSimUnit::HeaderReply(uint8_t replyByte) const {
    return BlockReply(replyByte, header_.bytes);
}

TDeviceFrame TSimUnit::BlockReply(uint8_t replyByte,
                                  std::span<const uint8_t, kBlockSize> data) const {
    TDeviceFrame f{};
    f[0] = replyByte;
    std::copy(data.begin(), data.end(), f.begin() + kPayloadOffset);
    SealFrame(f);
    return f;
}

int TSimUnit::SpeedAt(int64_t nowMs) const {
    const int limiter = std::max(image_.get(Field::Limiter) * 100, kIdleSpeed + 100);
    const int64_t phase = ((nowMs % kSweepMs) + kSweepMs) % kSweepMs;
    const int64_t half = kSweepMs / 2;
    const int64_t rise = phase < half ? phase : kSweepMs - phase;
    return kIdleSpeed + int((limiter - kIdleSpeed) * rise / half);
}

int TSimUnit::AdvanceAt(int speed, int cylinder) const {
    // Interpolate along the speed axis in the lowest load row of the map.
    const int columns = std::clamp(image_.get(Field::AdvColumns), 1, kMapColumns);
    auto axis = [&](int c) { return image_.get(Field::AdvSpeedAxis, c) * 100; };
    auto cell = [&](int c) { return image_[MapCell(Field::AdvanceMap, 0, c)] - 100; };
    int degrees = cell(0);
    if (speed >= axis(columns - 1))
        degrees = cell(columns - 1);
    else {
        for (int c = 1; c < columns; ++c) {
            if (speed < axis(c)) {
                const int x0 = axis(c - 1), x1 = axis(c);
                if (speed <= x0 || x1 <= x0)
                    degrees = cell(c - 1);
                else
                    degrees = cell(c - 1) + (cell(c) - cell(c - 1)) * (speed - x0) / (x1 - x0);
                break;
            }
        }
    }
    return degrees + image_.get(Field::CylCorrection, cylinder - 1) - 100;
}

TDeviceFrame TSimUnit::MonitorPacket(int64_t nowMs) {
    namespace M = Monitor;
    TDeviceFrame f{};
    f[0] = kMonitorReply;
    const int speed = SpeedAt(nowMs);
    const int limiter = std::max(image_.get(Field::Limiter) * 100, 1);
    const int throttle = std::clamp(100 * speed / limiter, 0, 100);
    PutWord(f, M::Speed, speed);
    PutWord(f, M::LoadVoltage, 500 + 40 * throttle);
    PutWord(f, M::Supply, 13600 + int((nowMs / 330) % 7) * 50);
    PutWord(f, M::ServoMeasured, 2500);
    PutWord(f, M::ServoDesired, 2500);
    PutWord(f, M::Programmings, programmings_);
    f[M::LoadType] = uint8_t(image_.get(Field::LoadSensor));
    PutWord(f, M::LoadValue, f[M::LoadType] == 2 ? 30 + throttle * 70 / 100 : throttle);
    const int64_t saving = savingUntilMs_ - nowMs;
    PutWord(f, M::SavingCountdown, saving > 0 ? int(saving * kSavingCountdown / kSavingMs) : 0);
    PutWord(f, M::TestValues, lastTestFlags_);
    for (int c = 0; c < 3; ++c) PutWord(f, M::TestValues + 2 * (c + 1), fired_[c]);
    const int outputs = std::clamp(image_.get(Field::OutputCount), 1, 4);
    for (int c = 1; c <= outputs; ++c)
        f[M::AdvanceNow + c - 1] = uint8_t(std::clamp(AdvanceAt(speed, c) + 100, 1, 255));
    f[M::Limiter] = speed >= limiter ? 1 : 0;
    f[M::DwellCoefficient] = 150;
    const bool inputPhase = (nowMs / 5000) % 2;
    f[M::Inputs] = M::Pickup1Signal | M::Pickup2Signal | (inputPhase ? M::Input1Grounded : 0);
    f[M::Status] = M::ServoInOrder;
    f[M::SubVersion] = header_[THeaderBlock::SubVersion];
    f[M::Version] = header_[THeaderBlock::Version];
    SealFrame(f);
    return f;
}

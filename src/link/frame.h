#pragma once
// The fixed 102-byte frame that carries every block and monitor packet, and
// the rules of its first byte.

#include "model/param_image.h"

#include <array>
#include <cstdint>
#include <span>

inline constexpr int kFrameSize = 102;
inline constexpr int kPayloadOffset = 1;
inline constexpr int kChecksumOffset = 101;

// Command byte: bits 0..5 block index, bit 6 read request; a reply carries the
// command byte with bit 7 flipped.
inline constexpr uint8_t kBlockIndexMask = 0x3F;
inline constexpr uint8_t kReadRequest = 0x40;
inline constexpr uint8_t kReplyFlag = 0x80;
inline constexpr int kHeaderBlockIndex = 0;
inline constexpr int kLastBlockIndex = kBlockCount;

// Monitor traffic.
inline constexpr uint8_t kMonitorRequest = 0x30;
inline constexpr uint8_t kMonitorReply = 0xB0;
inline constexpr int kMonitorTestFlagsByte = 21;
inline constexpr int kMonitorTrailerByte = 100;
inline constexpr uint8_t kMonitorTrailer = 0x61;

// Reset and release mark frame bytes 13 and 14 of their header frame.
inline constexpr int kResetMarkByte = 13;
inline constexpr uint8_t kResetMark1 = 0xA5;
inline constexpr uint8_t kResetMark2 = 0x0F;

using TDeviceFrame = std::array<uint8_t, kFrameSize>;
using FrameView = std::span<const uint8_t, kFrameSize>;

constexpr int BlockIndexOf(uint8_t commandByte) {
    return commandByte & kBlockIndexMask;
}
constexpr uint8_t ReplyByteOf(uint8_t commandByte) {
    return commandByte ^ kReplyFlag;
}

// Complement of the XOR of bytes 0..100.
uint8_t FrameChecksum(FrameView frame);
// Writes the checksum into byte 101.
void SealFrame(TDeviceFrame& frame);
// True when the complement of the XOR of all 102 bytes is zero.
bool FrameIntact(FrameView frame);

// Payload bytes 1..100 as one block.
inline std::span<const uint8_t, kBlockSize> FramePayload(FrameView frame) {
    return frame.subspan<kPayloadOffset, kBlockSize>();
}

// What the payload of a block frame carries besides the image block.
enum class PayloadKind : uint8_t {
    ImageBlock, // Program and Verify: the image block named by the index
    Zero,       // Read requests
    ResetMark,  // Reset and Release: block 0 carries the reset mark
};

// A complete, sealed block frame.  Block 0 never carries image data.
TDeviceFrame BuildBlockFrame(uint8_t commandByte, PayloadKind kind, const TParamImage& image);

// The live-data request with the pending test-fire flags.
TDeviceFrame BuildMonitorRequest(uint8_t testFlags);

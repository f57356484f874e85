#include "link/frame.h"

#include <algorithm>

uint8_t FrameChecksum(FrameView frame) {
    uint8_t sum = uint8_t(~frame[0]);
    for (int i = 1; i < kChecksumOffset; ++i) sum ^= frame[i];
    return sum;
}

void SealFrame(TDeviceFrame& frame) {
    frame[kChecksumOffset] = FrameChecksum(frame);
}

bool FrameIntact(FrameView frame) {
    uint8_t sum = 0xFF;
    for (uint8_t b : frame) sum ^= b;
    return sum == 0;
}

TDeviceFrame BuildBlockFrame(uint8_t commandByte, PayloadKind kind, const TParamImage& image) {
    TDeviceFrame frame{};
    frame[0] = commandByte;
    const int index = BlockIndexOf(commandByte);
    if (kind != PayloadKind::Zero && index >= 1 && index <= kLastBlockIndex) {
        auto block = image.block(index);
        std::copy(block.begin(), block.end(), frame.begin() + kPayloadOffset);
    }
    if (kind == PayloadKind::ResetMark && index == kHeaderBlockIndex) {
        frame[kResetMarkByte] = kResetMark1;
        frame[kResetMarkByte + 1] = kResetMark2;
    }
    SealFrame(frame);
    return frame;
}

TDeviceFrame BuildMonitorRequest(uint8_t testFlags) {
    TDeviceFrame frame{};
    frame[0] = kMonitorRequest;
    frame[kMonitorTestFlagsByte] = testFlags;
    frame[kMonitorTrailerByte] = kMonitorTrailer;
    SealFrame(frame);
    return frame;
}

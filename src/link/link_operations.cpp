// Device operations: Read, Verify, Program, Reset and the bootloader release.

#include "link/link_engine.h"
#include "model/normalise.h"

#include <algorithm>

namespace {

constexpr const char* kProgramCaption = "Program device:";
constexpr const char* kVerifyCaption = "Verify:";
constexpr const char* kReadCaption = "Read:";
constexpr const char* kSavingCaption = "Saving:";
constexpr const char* kResetError = "Reset error";

// Byte 83 of block 1 is reserved for the unit; a verify does not compare it.
constexpr int kUncomparedBlock = 1;
constexpr int kUncomparedByte = Field::Reserved83.offset;

bool BlockEquals(std::span<const uint8_t, kBlockSize> a, std::span<const uint8_t, kBlockSize> b) {
    return std::equal(a.begin(), a.end(), b.begin());
}

bool VerifyEquals(int index, std::span<const uint8_t, kBlockSize> reply,
                  std::span<const uint8_t, kBlockSize> image) {
    for (int i = 0; i < kBlockSize; ++i) {
        if (index == kUncomparedBlock && i == kUncomparedByte) continue;
        if (reply[i] != image[i]) return false;
    }
    return true;
}

} // namespace

// --- starts ---

void TLinkEngine::StartRead() {
    s_.Operation = doRead;
    s_.CommandByte = kReadRequest;
    s_.RetryCounter = 0;
    status_.gaugeVisible = true;
    SetGauge(status_.gaugeMax, 0);
    ShowStatus(Tr(kReadCaption), ColourRole::Normal);
}

void TLinkEngine::StartVerify() {
    s_.Operation = doVerify;
    s_.CommandByte = kReadRequest | 1;
    s_.RetryCounter = 0;
    status_.gaugeVisible = true;
    SetGauge(status_.gaugeMax, 0);
    ShowStatus(Tr(kVerifyCaption), ColourRole::Normal);
}

void TLinkEngine::StartProgram() {
    s_.Operation = doProgram;
    s_.CommandByte = kHeaderBlockIndex;
    s_.RetryCounter = 0;
    s_.ProgrammedOk = false;
    status_.gaugeVisible = true;
    SetGauge(status_.gaugeMax, 0);
    ShowStatus(Tr(kProgramCaption), ColourRole::Normal);
}

void TLinkEngine::StartReset() {
    s_.Operation = doReset;
    s_.RetryCounter = 0;
    s_.TickCounter = kResendTicks;
    s_.CommandByte = kHeaderBlockIndex;
}

// --- sending ---

PayloadKind TLinkEngine::PayloadFor() const {
    switch (s_.Operation) {
    case doRead: return PayloadKind::Zero;
    case doReset:
    case doRelease: return PayloadKind::ResetMark;
    default: return PayloadKind::ImageBlock;
    }
}

void TLinkEngine::SendBlockFrame() {
    if (!s_.PortEnabled) return;
    s_.BlockIndex = uint8_t(BlockIndexOf(s_.CommandByte));
    const TDeviceFrame frame = BuildBlockFrame(s_.CommandByte, PayloadFor(), image_);
    port_.Write(frame.data(), kFrameSize);
}

// --- replies ---

void TLinkEngine::HandleDeviceReply(FrameView frame) {
    // A reply that fails any test is dropped without a trace.
    if (!FrameIntact(frame)) return;
    const int index = BlockIndexOf(s_.CommandByte);
    if (index > kLastBlockIndex) return;
    if (frame[0] != ReplyByteOf(s_.CommandByte)) return;
    if (s_.Operation == doIdle) return;

    s_.BlockIndex = uint8_t(index);
    s_.SilenceCounter = 0;
    const auto payload = FramePayload(frame);

    if (index == kHeaderBlockIndex) {
        std::copy(payload.begin(), payload.end(), s_.Header.bytes.begin());
        HandleHeaderReply(s_.Operation);
        return;
    }
    switch (s_.Operation) {
    case doProgram:
        if (!BlockEquals(payload, image_.block(index))) return; // the tick resends
        if (index < kLastBlockIndex) return AdvanceBlock();
        s_.ProgrammedOk = true;
        return StartVerifyPass();
    case doVerify:
        if (!VerifyEquals(index, payload, image_.block(index))) return;
        if (index < kLastBlockIndex) return AdvanceBlock();
        s_.Operation = doIdle;
        SetGauge(status_.gaugeMax, status_.gaugeMax);
        ShowStatus(Tr(kVerifyCaption) + ": OK", ColourRole::Normal);
        return;
    case doRead: {
        auto block = image_.block(index);
        std::copy(payload.begin(), payload.end(), block.begin());
        observer_.LogRecord("Read_from_unit", index);
        if (index < kLastBlockIndex) return AdvanceBlock();
        return FinishRead();
    }
    default: return; // Reset and Release only look at the header
    }
}

void TLinkEngine::HandleHeaderReply(TDeviceOperation op) {
    if (op == doProgram || op == doRead) unitInfo_ = DecodeHeader(s_.Header);
    if (op == doProgram) {
        NormaliseImage(image_);
        observer_.ShowImage();
    }
    if (!HeaderVersionMatches(s_.Header)) {
        s_.Operation = doIdle;
        if (op == doRead || op == doReset || op == doRelease) {
            NormaliseImage(image_);
            observer_.ShowImage();
            if (op == doRead) observer_.EditorsNeedRedraw();
        }
        s_.StatusCountdown = 0;
        observer_.ShowMessage(VersionMismatchText(s_.Header[THeaderBlock::Version],
                                                  s_.Header[THeaderBlock::SubVersion], tr_));
        return;
    }
    switch (op) {
    case doProgram:
    case doRead: return AdvanceBlock();
    case doRelease: ReleasePort(); [[fallthrough]];
    case doReset: s_.Operation = doIdle; return;
    default: return;
    }
}

void TLinkEngine::AdvanceBlock() {
    // TickCounter runs on, so the first resend of the next block may come early.
    SetGauge(status_.gaugeMax, status_.gaugeProgress + 1);
    ++s_.CommandByte;
    s_.RetryCounter = 1;
    SendBlockFrame();
}

void TLinkEngine::StartVerifyPass() {
    s_.Operation = doVerify;
    s_.CommandByte = kReadRequest | 1;
    s_.RetryCounter = 1;
    SendBlockFrame();
    SetGauge(status_.gaugeMax, 0);
    ShowStatus(Tr(kVerifyCaption) + ":", ColourRole::Normal);
}

void TLinkEngine::FinishRead() {
    observer_.ReadCompleted();
    NormaliseImage(image_);
    observer_.ShowImage();
    StartVerifyPass();
}

void TLinkEngine::ReleasePort() {
    DisablePort();
    observer_.PortReleased("  " + Tr("(Disconnected by bootloader)"));
}

// --- tick ---

void TLinkEngine::OperationTick() {
    switch (s_.Operation) {
    case doIdle: return IdleTick();
    case doRead: s_.ProgrammedOk = false; break;
    default: break;
    }
    if (++s_.TickCounter < kResendTicks) return;
    s_.TickCounter = 0;
    ++s_.RetryCounter;
    const bool resetLike = s_.Operation == doReset || s_.Operation == doRelease;
    if (s_.RetryCounter <= (resetLike ? kMaxResetSends : kMaxBlockSends)) return SendBlockFrame();

    switch (s_.Operation) {
    case doProgram: return FailOperation("Program error!");
    case doVerify: s_.ProgrammedOk = false; return FailOperation("Verify error!");
    case doRead: return FailOperation("Read error!");
    case doRelease:
        ShowStatus(Tr(kResetError), ColourRole::Error);
        s_.Operation = doIdle;
        return ReleasePort();
    default: return FailOperation(kResetError);
    }
}

void TLinkEngine::FailOperation(const char* message) {
    ShowStatus(Tr(message), ColourRole::Error);
    s_.Operation = doIdle;
}

void TLinkEngine::IdleTick() {
    if (++s_.TickCounter >= kMonitorTicks) {
        s_.TickCounter = 0;
        SendMonitorRequest();
    }
    // Once the unit counts as lost, or the port is handed away, its last
    // "saving" report is stale and no longer renews the display.
    const bool alive = s_.PortEnabled && s_.SilenceCounter < kSilenceLimit;
    if (hasLive_ && alive && live_.savingCountdown != 0) {
        status_.colour = ColourRole::Normal;
        status_.text = Tr(kSavingCaption);
        status_.labelVisible = true;
        s_.StatusCountdown = kStatusTicks;
        SetGauge(100, SavingProgress(live_.savingCountdown));
        return;
    }
    if (s_.ProgrammedOk) {
        status_.text = Tr(kProgramCaption) + ": OK";
        SetGauge(5, 5);
    } else if (status_.gaugeMax != 5) {
        SetGauge(5, status_.gaugeProgress);
    }
}

#include "link_fixture.h"

namespace {

// Byte 83 of block 1 sits in frame byte 84 of a block-1 frame.
constexpr int kReservedFrameByte = Field::Reserved83.offset + kPayloadOffset;

TDeviceFrame Reply(uint8_t replyByte, const std::array<uint8_t, kBlockSize>& payload = {}) {
    TDeviceFrame f{};
    f[0] = replyByte;
    std::copy(payload.begin(), payload.end(), f.begin() + 1);
    SealFrame(f);
    return f;
}

TParamImage Differing(const TParamImage& base, int offset) {
    TParamImage other = base;
    other[offset] ^= 0x01;
    return other;
}

// --- acceptance ---

struct RejectCase {
    const char* name;
    bool idle;
    std::function<TDeviceFrame()> frame;
};

class Rejection : public LinkFixture, public ::testing::WithParamInterface<RejectCase> {};

TEST_P(Rejection, ChangesNothingNotEvenSilence) {
    port.stalled = true;
    if (!GetParam().idle) {
        link.StartRead();
        Tick(4); // header request sent
        ASSERT_EQ(link.State().CommandByte, 0x40);
    }
    Tick(3); // some silence has accumulated
    const TLinkState before = link.State();
    const TParamImage imageBefore = image;
    const size_t sentBefore = port.sent.size();
    link.HandleDeviceReply(GetParam().frame());
    EXPECT_EQ(link.State(), before);
    EXPECT_EQ(image, imageBefore);
    EXPECT_EQ(port.sent.size(), sentBefore);
    EXPECT_TRUE(observer.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Replies, Rejection,
    ::testing::Values(RejectCase{"BadChecksum", false,
                                 [] {
                                     auto f = Reply(0xC0);
                                     f[101] ^= 1;
                                     return f;
                                 }},
                      RejectCase{"BlockIndexAboveFive", false, [] { return Reply(0xC6); }},
                      RejectCase{"LateAnswerToOtherBlock", false, [] { return Reply(0xC1); }},
                      RejectCase{"CommandNotReplyByte", false, [] { return Reply(0x40); }},
                      RejectCase{"WhileIdle", true, [] { return Reply(0x80); }}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Read ---

TEST_F(LinkFixture, ReadFetchesTheUnitImageThenVerifies) {
    const TParamImage unitImage = PatternImage(9);
    AttachUnit(unitImage);
    link.StartRead();
    EXPECT_EQ(StatusText(), "Read:");
    EXPECT_TRUE(link.Status().gaugeVisible);
    RunOperation();

    EXPECT_EQ(image, unitImage);
    EXPECT_EQ(StatusText(), "Verify:: OK");
    EXPECT_EQ(link.Status().colour, ColourRole::Normal);
    EXPECT_EQ(link.Status().gaugeProgress, link.Status().gaugeMax);
    EXPECT_EQ(observer.readCompleted, 1);
    ASSERT_EQ(observer.logs.size(), 5u);
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(observer.logs[k - 1], std::make_pair(std::string("Read_from_unit"), k));
    EXPECT_EQ(link.UnitInfo().Name(), "ARX04");
    // Header, five reads, then the verify pass with the image.  A block sent
    // just before the resend count runs out goes twice; that is harmless.
    const uint8_t expected[] = {0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x41, 0x42, 0x43, 0x44, 0x45};
    std::vector<uint8_t> blockFrames;
    for (const auto& f : port.sent)
        if (f[0] != kMonitorRequest &&
            (blockFrames.empty() || blockFrames.back() != f[0] || blockFrames.size() == 6))
            blockFrames.push_back(f[0]);
    EXPECT_EQ(blockFrames, std::vector<uint8_t>(std::begin(expected), std::end(expected)));
}

TEST_F(LinkFixture, ReadWithNoUnitSendsFiveTimesFourTicksApart) {
    port.stalled = true;
    link.StartRead();
    std::vector<int> sendTicks;
    int errorTick = -1;
    for (int t = 1; t <= 40 && errorTick < 0; ++t) {
        const size_t before = port.sent.size();
        Tick();
        if (port.sent.size() > before && port.sent.back()[0] == 0x40) sendTicks.push_back(t);
        if (StatusText() == "Read error!") errorTick = t;
    }
    ASSERT_EQ(sendTicks.size(), 5u);
    for (size_t i = 1; i < sendTicks.size(); ++i) EXPECT_EQ(sendTicks[i] - sendTicks[i - 1], 4);
    EXPECT_EQ(errorTick, sendTicks.back() + 4);
    EXPECT_EQ(link.Status().colour, ColourRole::Error);
    EXPECT_EQ(link.State().Operation, doIdle);
}

TEST_F(LinkFixture, FailedReadKeepsArrivedBlocksAndRunsNoVerify) {
    const TParamImage unitImage = PatternImage(40);
    AttachUnit(unitImage);
    int answered = 0;
    port.responder = [&](const TDeviceFrame& f) -> std::optional<TDeviceFrame> {
        if (f[0] == kMonitorRequest || answered >= 3) return std::nullopt; // header, blocks 1, 2
        ++answered;
        return unit->Answer(f, clockMs);
    };
    const TParamImage before = image;
    link.StartRead();
    RunOperation();

    EXPECT_EQ(StatusText(), "Read error!");
    for (int k = 1; k <= 2; ++k)
        EXPECT_TRUE(std::ranges::equal(image.block(k), unitImage.block(k))) << k;
    for (int k = 3; k <= 5; ++k)
        EXPECT_TRUE(std::ranges::equal(image.block(k), before.block(k))) << k;
    EXPECT_EQ(observer.readCompleted, 0);
    EXPECT_EQ(observer.showImage, 0);
    EXPECT_EQ(port.SentCount(0x41), 1); // the block-1 read, no verify pass
}

TEST_F(LinkFixture, ReadVerifiesAgainstTheNormalisedImage) {
    // A stored value out of its range is corrected after the Read, so the
    // verify pass finds the unit's block different.
    TParamImage unitImage = PatternImage(9);
    unitImage.set(Field::PowerOut1Mode, 9);
    AttachUnit(unitImage);
    link.StartRead();
    RunOperation();
    EXPECT_EQ(StatusText(), "Verify error!");
    EXPECT_EQ(image.get(Field::PowerOut1Mode), 3);
    EXPECT_EQ(observer.readCompleted, 1);
    EXPECT_EQ(observer.showImage, 1);
}

// --- timing ---

TEST(LinkTiming, FirstFrameGoesOutWhenTheCountReachesFour) {
    // The idle count (0..5) runs on into the operation.
    for (int idleTicks = 0; idleTicks < 12; ++idleTicks) {
        TParamImage image = PatternImage(1);
        FakePort port;
        RecordingObserver observer;
        TLinkEngine link(image, port, observer);
        link.SetPortNamer([](int i) { return "COM" + std::to_string(i + 1); });
        link.SetChosenPort(0);
        link.OpenPort();
        for (int i = 0; i < idleTicks; ++i) link.Tick();
        link.StartRead();
        int ticks = 0;
        while (port.SentCount(0x40) == 0 && ticks < 10) {
            link.Tick();
            ++ticks;
        }
        const int count = idleTicks % kMonitorTicks;
        EXPECT_EQ(ticks, count < kResendTicks ? kResendTicks - count : 1) << idleTicks;
    }
}

TEST_F(LinkFixture, NextBlockKeepsTheRunningResendCount) {
    AttachUnit(image);
    int answered = 0;
    port.responder = [&](const TDeviceFrame& f) -> std::optional<TDeviceFrame> {
        if (f[0] == kMonitorRequest || answered >= 1) return std::nullopt; // header only
        ++answered;
        return unit->Answer(f, clockMs);
    };
    link.StartRead();
    std::vector<int> sends;
    for (int t = 1; t <= 40; ++t) {
        const size_t before = port.sent.size();
        Tick();
        for (size_t i = before; i < port.sent.size(); ++i)
            if (port.sent[i][0] == 0x41) sends.push_back(t);
    }
    // Header out on tick 4, answered on tick 5: block 1 goes at once and is
    // resent when the count (1 after that tick) reaches 4, three ticks later.
    EXPECT_EQ(sends, (std::vector<int>{5, 8, 12, 16, 20}));
    EXPECT_EQ(StatusText(), "Read error!");
}

// --- Program and Verify ---

TEST_F(LinkFixture, ProgramWritesEchoChecksThenVerifies) {
    AttachUnit(PatternImage(77));
    link.StartProgram();
    EXPECT_EQ(StatusText(), "Program device:");
    RunOperation();

    EXPECT_TRUE(link.State().ProgrammedOk);
    // The verify pass ended with "Verify:: OK"; the idle step of the same tick
    // shows the Program result.
    EXPECT_EQ(StatusText(), "Program device:: OK");
    EXPECT_EQ(link.Status().gaugeProgress, 5);
    // The unit keeps its own byte 83; everything else is what was programmed.
    TParamImage expect = image;
    expect[Field::Reserved83.offset] = unit->Image()[Field::Reserved83.offset];
    EXPECT_EQ(unit->Image(), expect);
    EXPECT_EQ(unit->Programmings(), PatternImage(77)[Field::Reserved83.offset] + 1);
    for (uint8_t c : {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x41, 0x42, 0x43, 0x44, 0x45})
        EXPECT_GE(port.SentCount(c), 1) << int(c);

    port.stalled = true; // no "Saving:" from the unit
    Tick(kStatusTicks - 1);
    EXPECT_EQ(StatusText(), "Program device:: OK");
    EXPECT_TRUE(link.Status().labelVisible);
    Tick(2);
    EXPECT_FALSE(link.Status().labelVisible);
    EXPECT_FALSE(link.Status().gaugeVisible);
    EXPECT_FALSE(link.State().ProgrammedOk);
}

TEST_F(LinkFixture, VerifyIgnoresOnlyByte83OfBlock1) {
    AttachUnit(Differing(image, Field::Reserved83.offset));
    link.StartVerify();
    RunOperation();
    EXPECT_EQ(StatusText(), "Verify:: OK");

    for (int offset : {Field::Reserved83.offset + 1, 100 + Field::Reserved83.offset}) {
        AttachUnit(Differing(image, offset));
        link.StartVerify();
        RunOperation();
        EXPECT_EQ(StatusText(), "Verify error!") << offset;
        EXPECT_EQ(link.Status().colour, ColourRole::Error);
    }
}

TEST_F(LinkFixture, ProgramEchoComparesByte83) {
    AttachUnit(image);
    port.responder = [&](const TDeviceFrame& f) -> std::optional<TDeviceFrame> {
        auto reply = unit->Answer(f, clockMs);
        if (reply && (*reply)[0] == 0x81) {
            (*reply)[kReservedFrameByte] ^= 0x01;
            SealFrame(*reply);
        }
        return reply;
    };
    const TParamImage before = image;
    link.StartProgram();
    RunOperation();
    EXPECT_EQ(StatusText(), "Program error!");
    EXPECT_EQ(port.SentCount(0x01), 5);
    EXPECT_EQ(port.SentCount(0x02), 0);
    EXPECT_FALSE(link.State().ProgrammedOk);
    EXPECT_EQ(image, before);
}

TEST_F(LinkFixture, InterruptedProgramLeavesImageUnchanged) {
    AttachUnit(PatternImage(3));
    int answered = 0;
    port.responder = [&](const TDeviceFrame& f) -> std::optional<TDeviceFrame> {
        if (answered++ >= 3) return std::nullopt;
        return unit->Answer(f, clockMs);
    };
    const TParamImage before = image;
    link.StartProgram();
    RunOperation();
    EXPECT_EQ(StatusText(), "Program error!");
    EXPECT_EQ(image, before);
    EXPECT_FALSE(link.State().ProgrammedOk);
}

// --- version check ---

struct VersionCase {
    int version, sub;
    const char* message;
};

class VersionMismatch : public LinkFixture, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(VersionMismatch, StopsBeforeAnyBlockWithBothTexts) {
    const auto c = GetParam();
    AttachUnit(PatternImage(5), {c.version, c.sub});
    for (bool program : {false, true}) {
        observer.messages.clear();
        port.sent.clear();
        if (program)
            link.StartProgram();
        else
            link.StartRead();
        RunOperation();
        ASSERT_EQ(observer.messages.size(), 1u);
        EXPECT_EQ(observer.messages[0], c.message);
        EXPECT_EQ(link.State().StatusCountdown, 0);
        for (uint8_t cmd : {0x01, 0x41}) EXPECT_EQ(port.SentCount(cmd), 0);
        EXPECT_EQ(link.UnitInfo().Name(), "ARX04"); // the unit that answered is shown
        Tick();
        EXPECT_FALSE(link.Status().labelVisible);
    }
    EXPECT_EQ(observer.redraw, 1); // Read only
}

INSTANTIATE_TEST_SUITE_P(
    Versions, VersionMismatch,
    ::testing::Values(
        VersionCase{97, 1,
                    "Unmatched subversion of PC and Ignition programs!  PC-97.00, IGN-97.01"},
        VersionCase{96, 5, "Unmatched version of PC and Ignition programs!  PC-97.00, IGN-96.05"}));

// --- Reset ---

TEST_F(LinkFixture, ResetWithNoUnitSendsTwice) {
    port.stalled = true;
    link.StartReset();
    RunOperation();
    EXPECT_EQ(port.SentCount(0x00), 2);
    EXPECT_EQ(StatusText(), "Reset error");
    EXPECT_EQ(link.Status().colour, ColourRole::Error);
    const TDeviceFrame& f = port.sent.front();
    EXPECT_EQ(f[13], 0xA5);
    EXPECT_EQ(f[14], 0x0F);
}

TEST_F(LinkFixture, ResetGoesOutOnTheNextTickAndEndsSilently) {
    AttachUnit(image);
    link.StartReset();
    Tick();
    EXPECT_EQ(port.SentCount(0x00), 1);
    Tick(); // the answer is picked up
    EXPECT_EQ(link.State().Operation, doIdle);
    EXPECT_EQ(unit->Resets(), 1);
    EXPECT_FALSE(link.Status().labelVisible);
}

TEST_F(LinkFixture, WrongVersionEndsResetAndReleaseWithoutReleasing) {
    AttachUnit(image, {96, 0});
    link.StartReset();
    RunOperation();
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_EQ(observer.showImage, 1);
    EXPECT_EQ(observer.redraw, 0); // Read only

    link.BootloaderMessage(0, kBootloaderResetRelease);
    RunOperation();
    EXPECT_EQ(observer.messages.size(), 2u);
    EXPECT_TRUE(link.State().PortEnabled);
    EXPECT_TRUE(observer.released.empty());
}

TEST_F(LinkFixture, ReleaseTakesOverTheFrameInProgress) {
    port.stalled = true;
    link.StartRead();
    Tick(4); // 0x40 sent once
    link.BootloaderMessage(0, kBootloaderRelease);
    port.sent.clear();
    RunOperation();
    // The second count of the old frame is the only Release send: block 0,
    // so it carries the reset mark.
    ASSERT_EQ(port.sent.size(), 1u);
    EXPECT_EQ(port.sent[0][0], 0x40);
    EXPECT_EQ(port.sent[0][13], 0xA5);
    EXPECT_EQ(port.sent[0][14], 0x0F);
    EXPECT_EQ(StatusText(), "Reset error");
    EXPECT_FALSE(link.State().PortEnabled);
    EXPECT_EQ(observer.released.size(), 1u);
}

TEST_F(LinkFixture, FailingWritesEndInTheUsualError) {
    AttachUnit(image);
    port.writeFails = true;
    link.StartProgram();
    RunOperation();
    EXPECT_EQ(StatusText(), "Program error!");
    EXPECT_FALSE(link.State().ProgrammedOk);
    EXPECT_TRUE(observer.messages.empty());
}

TEST_F(LinkFixture, TranslatorProvidesStatusTexts) {
    link.SetTranslator([](std::string_view s) { return "<" + std::string(s) + ">"; });
    port.stalled = true;
    link.StartRead();
    EXPECT_EQ(StatusText(), "<Read:>");
    RunOperation();
    EXPECT_EQ(StatusText(), "<Read error!>");
}

} // namespace

#include "link_fixture.h"

namespace {

TDeviceFrame GoodPacket() {
    TDeviceFrame f{};
    f[0] = kMonitorReply;
    f[Monitor::Version] = 97;
    SealFrame(f);
    return f;
}

TEST_F(LinkFixture, ReadsOnlyWhenAFullFrameIsQueued) {
    const TDeviceFrame p = GoodPacket();
    port.FeedBytes(std::vector<uint8_t>(p.begin(), p.end() - 1)); // 101 bytes
    link.PollReceive();
    EXPECT_EQ(port.Queued(), 101u);
    EXPECT_EQ(observer.monitor, 0);
}

TEST_F(LinkFixture, ExaminesTheFirst102BytesAndDropsTheRest) {
    port.Feed(GoodPacket());
    port.FeedBytes(std::vector<uint8_t>(48, 0x55)); // 150 bytes in all
    link.PollReceive();
    EXPECT_EQ(port.Queued(), 0u);
    EXPECT_EQ(observer.monitor, 1);
}

TEST_F(LinkFixture, NoConnectionAfter18SilentTicks) {
    link.HandleFrame(GoodPacket());
    int shownAt = 0;
    for (int t = 1; t <= 30 && !shownAt; ++t) {
        Tick();
        if (link.State().NoConnectionShown) shownAt = t;
    }
    EXPECT_EQ(shownAt, 19); // 18 ticks counted, the 19th finds the limit
    EXPECT_FALSE(link.State().Connected);
    EXPECT_FALSE(link.Labels().version.visible);
}

TEST_F(LinkFixture, FixedPortReportsOnceThenReopensQuietly) {
    port.existing = {"COM9"};
    link.ChoosePort(2);
    ASSERT_EQ(observer.messages, std::vector<std::string>{"Com opening error!"});
    const size_t attempts = port.openAttempts.size();
    Tick(100);
    EXPECT_EQ(observer.messages.size(), 1u);
    EXPECT_EQ(port.openAttempts.size(), attempts + 3); // every 30 ticks
    for (size_t i = attempts; i < port.openAttempts.size(); ++i)
        EXPECT_EQ(port.openAttempts[i], "COM3");
}

TEST_F(LinkFixture, AutomaticScanSkipsMissingPortsEachTick) {
    port.existing = {"COM3"};
    link.ChoosePort(kAutoPort); // COM1 does not exist
    Tick(2);                    // COM2 missing, COM3 opens
    EXPECT_EQ(port.openAttempts.back(), "COM3");
    EXPECT_TRUE(observer.messages.empty());
    Tick(29);
    EXPECT_EQ(port.openAttempts.back(), "COM3");
    Tick(1); // 30 silent ticks on COM3: move on
    EXPECT_EQ(port.openAttempts.back(), "COM4");
    EXPECT_EQ(observer.portLabels.back(), "COM= COM4");
}

TEST_F(LinkFixture, AutomaticScanWrapsAfterCom31) {
    port.existing = {"none"};
    link.ChoosePort(kAutoPort);
    Tick(31);
    std::vector<std::string> tail(port.openAttempts.end() - 3, port.openAttempts.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"COM30", "COM31", "COM1"}));
    EXPECT_TRUE(observer.messages.empty());
}

TEST_F(LinkFixture, ReopenCountIsKeptAcrossAShortReturn) {
    Tick(20); // 20 ticks counted without a link
    const size_t attempts = port.openAttempts.size();
    link.HandleFrame(GoodPacket());
    Tick(kSilenceLimit + 1); // back for 18 ticks, then lost again: 21 counted
    ASSERT_TRUE(link.State().NoConnectionShown);
    Tick(8);
    EXPECT_EQ(port.openAttempts.size(), attempts);
    Tick(); // the 30th tick without a link re-opens
    EXPECT_EQ(port.openAttempts.size(), attempts + 1);
}

TEST_F(LinkFixture, ScanPortMovesOnInFixedModeToo) {
    Tick(kReopenTicks);
    EXPECT_EQ(link.State().ScanPort, 1);
    link.BootloaderMessage(1, kBootloaderResetRelease); // names the scan port, not COM1
    EXPECT_EQ(link.State().Operation, doIdle);
    link.ChoosePort(kAutoPort);
    EXPECT_EQ(port.openAttempts.back(), "COM2");
    link.BootloaderMessage(1, kBootloaderResetRelease);
    EXPECT_EQ(link.State().Operation, doRelease);
}

// --- bootloader hand-over ---

TEST_F(LinkFixture, BootloaderIgnoresOtherPortsAndCodes) {
    const TLinkState before = link.State();
    link.BootloaderMessage(5, kBootloaderResetRelease); // port in use is index 0
    link.BootloaderMessage(0, 0x7FFFFFA3);
    EXPECT_EQ(link.State(), before);
}

TEST_F(LinkFixture, ResetReleaseHandsThePortOverUntilDone) {
    AttachUnit(image);
    link.HandleFrame(GoodPacket()); // link alive
    Tick();
    link.BootloaderMessage(0, kBootloaderResetRelease);
    Tick(2);
    EXPECT_EQ(unit->Resets(), 1);
    EXPECT_FALSE(link.State().PortEnabled);
    EXPECT_FALSE(port.IsOpen());
    ASSERT_EQ(observer.released, std::vector<std::string>{"  (Disconnected by bootloader)"});

    const size_t sent = port.sent.size();
    Tick(60);
    EXPECT_EQ(port.sent.size(), sent);
    EXPECT_FALSE(link.State().NoConnectionShown);

    link.BootloaderMessage(0, kBootloaderDone);
    EXPECT_TRUE(link.State().PortEnabled);
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(observer.returned, 1);
    Tick(6);
    EXPECT_GT(port.sent.size(), sent); // monitoring again
}

TEST_F(LinkFixture, ReleaseWithoutAnswerStillReleases) {
    port.stalled = true;
    link.BootloaderMessage(0, kBootloaderResetRelease);
    RunOperation();
    EXPECT_EQ(port.SentCount(0x00), 2);
    EXPECT_EQ(StatusText(), "Reset error");
    EXPECT_FALSE(link.State().PortEnabled);
    EXPECT_EQ(observer.released.size(), 1u);
}

TEST_F(LinkFixture, ReleaseKeepsThePreviousCounters) {
    port.stalled = true;
    link.StartRead();
    Tick(4);
    const TLinkState before = link.State();
    link.BootloaderMessage(0, kBootloaderRelease);
    EXPECT_EQ(link.State().Operation, doRelease);
    EXPECT_EQ(link.State().CommandByte, before.CommandByte);
    EXPECT_EQ(link.State().RetryCounter, before.RetryCounter);
    EXPECT_EQ(link.State().TickCounter, before.TickCounter);
}

TEST_F(LinkFixture, DisabledPortSendsAndReadsNothing) {
    link.DisablePort();
    port.Feed(GoodPacket());
    link.StartRead();
    Tick(20);
    EXPECT_TRUE(port.sent.empty());
    link.ChoosePort(3); // only recorded while the bootloader holds the port
    EXPECT_EQ(link.State().ChosenPort, 3);
    EXPECT_FALSE(port.IsOpen());
}

} // namespace

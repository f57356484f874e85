#include "link_fixture.h"

#include "link/monitor.h"

namespace {

class Packet {
  public:
    Packet() {
        f_[0] = kMonitorReply;
        f_[Monitor::Version] = 97;
        f_[Monitor::Supply] = 0x10; // some supply voltage
        f_[Monitor::Supply + 1] = 0x36;
        f_[Monitor::DwellCoefficient] = 150;
    }
    Packet& Byte(int at, uint8_t v) {
        f_[at] = v;
        return *this;
    }
    Packet& Word(int at, int v) {
        f_[at] = uint8_t(v & 0xFF);
        f_[at + 1] = uint8_t(v >> 8);
        return *this;
    }
    TDeviceFrame Frame() const {
        TDeviceFrame f = f_;
        SealFrame(f);
        return f;
    }
    TLiveValues Live() const { return DecodeMonitorPacket(Frame()); }

  private:
    TDeviceFrame f_{};
};

TParamImage ImageWith(std::initializer_list<std::pair<FieldDesc, int>> fields) {
    TParamImage image;
    for (auto [f, v] : fields) image.set(f, v);
    return image;
}

TMonitorLabels Labels(const Packet& p, const TParamImage& image = {}, bool connected = true) {
    return BuildMonitorLabels(p.Live(), image, connected, English);
}

TEST(MonitorLabels, SupplyVoltageThresholds) {
    struct Case {
        int mv;
        const char* text;
        ColourRole colour;
    } cases[] = {
        {7000, "U =  7.0 [V]", ColourRole::Error},    {7001, "U =  7.0 [V]", ColourRole::Warning},
        {11000, "U = 11.0 [V]", ColourRole::Warning}, {11001, "U = 11.0 [V]", ColourRole::Normal},
        {14998, "U = 15.0 [V]", ColourRole::Normal},  {14999, "U = 15.0 [V]", ColourRole::Warning},
        {17998, "U = 18.0 [V]", ColourRole::Warning}, {17999, "U = 18.0 [V]", ColourRole::Error},
    };
    for (const auto& c : cases) {
        const TLabel l = Labels(Packet().Word(Monitor::Supply, c.mv)).voltage;
        EXPECT_EQ(l.text, c.text) << c.mv;
        EXPECT_EQ(l.colour, c.colour) << c.mv;
    }
}

TEST(MonitorLabels, AdvanceBaseAndLimit) {
    struct Case {
        uint8_t now;
        int limit;
        const char* text;
        ColourRole colour;
    } cases[] = {
        {0, 0, "Advance = Base advance", ColourRole::Normal},
        {0, 30, "Advance = Base advance/max 30 [°]", ColourRole::Normal},
        {112, 12, "Advance 1 = 12 [°] /max 12 [°]", ColourRole::Warning},
        {111, 12, "Advance 1 = 11 [°] /max 12 [°]", ColourRole::Normal},
        {95, 0, "Advance 1 = -5 [°]", ColourRole::Normal},
    };
    for (const auto& c : cases) {
        const TLabel l =
            Labels(Packet().Byte(Monitor::AdvanceNow, c.now).Word(Monitor::AdvanceLimit, c.limit))
                .advance[0];
        EXPECT_EQ(l.text, c.text);
        EXPECT_EQ(l.colour, c.colour) << c.text;
    }
    // Cylinder numbers and limits are per cylinder.
    const TLabel third =
        Labels(Packet().Byte(Monitor::AdvanceNow + 2, 130).Word(Monitor::AdvanceLimit + 4, 40))
            .advance[2];
    EXPECT_EQ(third.text, "Advance 3 = 30 [°] /max 40 [°]");
}

TEST(MonitorLabels, Pickups) {
    using namespace Monitor;
    const auto pickup1 = [](uint8_t inputs, uint8_t status, int sync = 0) {
        return Labels(Packet().Byte(Inputs, inputs).Byte(Status, status),
                      ImageWith({{Field::SyncMethod, sync}}))
            .pickup[0];
    };
    TLabel l = pickup1(Pickup1Signal, 0);
    EXPECT_EQ(l.text, "Pick-up (CKPS) 1 - is running, positive polarity");
    EXPECT_EQ(l.colour, ColourRole::Lime);

    l = pickup1(Pickup1Negative, 0);
    EXPECT_EQ(l.text, "Pick-up (CKPS) 1 - no signal, negative polarity");
    EXPECT_EQ(l.colour, ColourRole::Normal);

    l = pickup1(Pickup1Signal | Pickup1PolarityError, Pickup1SystemError);
    EXPECT_EQ(l.text, "Pick-up (CKPS) 1 - is running, polarity error");
    EXPECT_EQ(l.colour, ColourRole::Error);

    l = pickup1(Pickup1Signal, Pickup1SystemError);
    EXPECT_EQ(l.text, "Pick-up (CKPS) 1 - is running, positive polarity, Pick up system error"
                      "                    ");
    EXPECT_EQ(l.colour, ColourRole::Error);

    EXPECT_EQ(pickup1(Pickup1Signal, 0, 8).text, "Pick-up (CKPS) 1 - is running");

    const TLabel p2 =
        Labels(Packet().Byte(Inputs, Pickup2Negative | Pickup1PolarityError)).pickup[1];
    EXPECT_EQ(p2.text, "Pick-up (CKPS) 2 - no signal, negative polarity");
}

TEST(MonitorLabels, LoadSensorTypes) {
    TLiveValues v = Packet().Byte(Monitor::LoadType, 7).Word(Monitor::LoadValue, 95).Live();
    EXPECT_EQ(v.loadSensorType, 2);
    EXPECT_EQ(v.pressure, 95);
    EXPECT_EQ(v.throttleX10, -1);
    v = Packet().Byte(Monitor::LoadType, 1).Word(Monitor::LoadValue, 42).Live();
    EXPECT_EQ(v.throttleX10, 420);
    EXPECT_EQ(v.pressure, -1);
}

TEST(MonitorLabels, PowerOutputsByModeAndConnection) {
    const TParamImage image = ImageWith({{Field::PowerOut1Mode, 1}, {Field::PowerOut2Mode, 0}});
    const Packet p = Packet().Byte(Monitor::Outputs, 0x03);
    TMonitorLabels m = Labels(p, image);
    EXPECT_EQ(m.powerOut[0], (TLabel{"Fuel pump = YES", ColourRole::Teal}));
    EXPECT_EQ(m.powerOut[1], (TLabel{"Special out = YES", ColourRole::White}));
    m = Labels(Packet(), image);
    EXPECT_EQ(m.powerOut[0], (TLabel{"Fuel pump = NO", ColourRole::Normal}));
    m = Labels(p, image, false);
    EXPECT_EQ(m.powerOut[0], (TLabel{"Fuel pump = ---", ColourRole::Normal}));
}

TEST(MonitorLabels, FlagsAndCounters) {
    using namespace Monitor;
    const TMonitorLabels m = Labels(Packet()
                                        .Byte(Status, MotorOff | KillSwitch | DataError)
                                        .Byte(Inputs, Input2Grounded)
                                        .Byte(Clutch, 1)
                                        .Byte(StartLimiterActive, 1)
                                        .Byte(Limiter, 1)
                                        .Word(Speed, 6000)
                                        .Word(Programmings, 321)
                                        .Word(TestValues + 14, 8)
                                        .Byte(DwellCoefficient, 251),
                                    ImageWith({{Field::Limiter, 120}}));
    EXPECT_EQ(m.rpm, (TLabel{"RPM = 6000 ", ColourRole::Error}));
    EXPECT_EQ(m.rpmGauge, 50);
    EXPECT_EQ(m.motorOff.text, "Motor off - YES");
    EXPECT_EQ(m.killSwitch.colour, ColourRole::Error);
    EXPECT_EQ(m.clutch, (TLabel{"Clutch master - YES", ColourRole::Lime, true, false}));
    EXPECT_EQ(m.startLimiter.text, "Start limiter: YES");
    EXPECT_EQ(m.retard, (TLabel{"Retard - NO", ColourRole::Normal, true, false}));
    EXPECT_EQ(m.input[0].text, "Input 1: Open");
    EXPECT_EQ(m.input[1], (TLabel{"Input 2: Grounded", ColourRole::Aqua}));
    EXPECT_TRUE(m.dataError.visible);
    EXPECT_EQ(m.programmings.text, "Number of Programing= 321");
    EXPECT_EQ(m.test[7].text, "Test8 = 8 ");
    EXPECT_TRUE(m.dwellCalibError.visible);
    EXPECT_EQ(m.servoDesired.colour, ColourRole::Error); // servo not in order
}

TEST(MonitorLabels, FirmwareVersionLabel) {
    EXPECT_FALSE(Labels(Packet()).version.visible);
    const TLabel l = Labels(Packet().Byte(Monitor::SubVersion, 3)).version;
    EXPECT_TRUE(l.visible);
    EXPECT_EQ(l.text, "Unmatched subversion of PC and Ignition programs!  PC-97.00, IGN-97.03");
}

TEST(MonitorLabels, TranslatedCaptions) {
    const auto upper = [](std::string_view s) {
        std::string out(s);
        for (char& c : out) c = char(toupper(static_cast<unsigned char>(c)));
        return out;
    };
    const TMonitorLabels m = BuildMonitorLabels(Packet().Live(), {}, true, upper);
    EXPECT_EQ(m.advance[0].text, "ADVANCE = BASE ADVANCE");
    EXPECT_EQ(m.retard.text, "RETARD - NO");
}

TEST(MonitorLabels, VisibilityRules) {
    TParamImage image = ImageWith({{Field::OutputCount, 2},
                                   {Field::SyncMethod, 4},
                                   {Field::Input1Function, 2},
                                   {Field::ServoEnabled, 0}});
    TMonitorLabels m = Labels(Packet(), image);
    EXPECT_TRUE(m.advance[1].visible);
    EXPECT_FALSE(m.advance[2].visible);
    EXPECT_TRUE(m.pickup[1].visible);
    EXPECT_TRUE(m.motorOff.enabled);
    EXPECT_FALSE(m.killSwitch.enabled);
    EXPECT_FALSE(m.servoDesired.visible);
    image.set(Field::SyncMethod, 5);
    image.set(Field::Input1Function, 0);
    image.set(Field::InputsNeutralStand, 1);
    ApplyLabelRules(m, Packet().Live(), image, true);
    EXPECT_FALSE(m.pickup[1].visible);
    EXPECT_TRUE(m.motorOff.enabled);
}

// --- the monitor in the engine ---

TEST_F(LinkFixture, TestClicksAreCombinedAndSentOnce) {
    for (int i = 0; i < 3; ++i) link.RequestTestFire(2);
    Tick(6);
    ASSERT_EQ(port.SentCount(kMonitorRequest), 1);
    EXPECT_EQ(port.sent.back()[21], 0x02);
    EXPECT_EQ(port.drains, 1);
    Tick(6);
    ASSERT_EQ(port.SentCount(kMonitorRequest), 2);
    EXPECT_EQ(port.sent.back()[21], 0x00);
}

TEST_F(LinkFixture, NoMonitorRequestsDuringAnOperation) {
    port.stalled = true;
    link.StartRead();
    RunOperation();
    EXPECT_EQ(port.SentCount(kMonitorRequest), 0);
}

TEST_F(LinkFixture, DamagedPacketIsIgnored) {
    Tick(5);
    const uint8_t silence = link.State().SilenceCounter;
    TDeviceFrame f = Packet().Frame();
    f[40] ^= 1;
    link.HandleFrame(f);
    EXPECT_EQ(link.State().SilenceCounter, silence);
    EXPECT_EQ(observer.monitor, 0);
    link.HandleFrame(Packet().Frame());
    EXPECT_EQ(link.State().SilenceCounter, 0);
    EXPECT_EQ(observer.monitor, 1);
}

TEST_F(LinkFixture, SavingCountdownDrivesTheStatus) {
    link.HandleFrame(Packet().Word(Monitor::SavingCountdown, 250).Frame());
    Tick();
    EXPECT_EQ(StatusText(), "Saving:");
    EXPECT_EQ(link.Status().gaugeMax, 100);
    EXPECT_EQ(link.Status().gaugeProgress, 75);
    EXPECT_TRUE(link.Status().labelVisible);
    link.HandleFrame(Packet().Word(Monitor::SavingCountdown, 5000).Frame());
    Tick();
    EXPECT_EQ(link.Status().gaugeProgress, 0); // clamped, never negative
    link.HandleFrame(Packet().Frame());
    Tick();
    EXPECT_EQ(link.Status().gaugeMax, 5);
}

TEST_F(LinkFixture, GaugeStaysWithinItsMaximumWhenSavingEnds) {
    link.HandleFrame(Packet().Word(Monitor::SavingCountdown, 100).Frame());
    Tick();
    ASSERT_EQ(link.Status().gaugeProgress, 90);
    link.HandleFrame(Packet().Frame());
    Tick();
    EXPECT_EQ(link.Status().gaugeMax, 5);
    EXPECT_EQ(link.Status().gaugeProgress, 5); // full, not 90 of 5
    EXPECT_EQ(StatusText(), "Saving:");        // the text stays until its countdown ends
}

TEST_F(LinkFixture, FirstPacketAfterTheLinkReturnsShowsNoOutputState) {
    image.set(Field::PowerOut1Mode, 1);
    Tick(kSilenceLimit + 5);
    link.HandleFrame(Packet().Byte(Monitor::Outputs, 1).Frame());
    EXPECT_EQ(link.Labels().powerOut[0].text, "Fuel pump = ---");
    Tick(); // the supervision sees the link again
    link.HandleFrame(Packet().Byte(Monitor::Outputs, 1).Frame());
    EXPECT_EQ(link.Labels().powerOut[0], (TLabel{"Fuel pump = YES", ColourRole::Teal}));
}

TEST_F(LinkFixture, DwellErrorNeedsTheLink) {
    Tick();
    link.HandleFrame(Packet().Byte(Monitor::DwellCoefficient, 79).Frame());
    Tick();
    EXPECT_TRUE(link.Labels().dwellCalibError.visible);
    Tick(kSilenceLimit);
    EXPECT_FALSE(link.State().Connected);
    EXPECT_FALSE(link.Labels().dwellCalibError.visible);
}

TEST_F(LinkFixture, VersionLabelHiddenWhileNoConnectionShows) {
    link.HandleFrame(Packet().Byte(Monitor::SubVersion, 3).Frame());
    Tick();
    EXPECT_TRUE(link.Labels().version.visible);
    Tick(kSilenceLimit);
    ASSERT_TRUE(link.State().NoConnectionShown);
    EXPECT_FALSE(link.Labels().version.visible);
    link.HandleFrame(Packet().Byte(Monitor::SubVersion, 3).Frame());
    EXPECT_TRUE(link.Labels().version.visible);
}

TEST_F(LinkFixture, SavingDisplayEndsWhenTheUnitIsGone) {
    // The last packet said "saving", then the unit vanished: the display runs
    // out like any status text instead of being renewed for ever.
    link.HandleFrame(Packet().Word(Monitor::SavingCountdown, 500).Frame());
    Tick(kSilenceLimit + 1);
    ASSERT_TRUE(link.State().NoConnectionShown);
    EXPECT_EQ(StatusText(), "Saving:");
    Tick(kStatusTicks + 1);
    EXPECT_FALSE(link.Status().labelVisible);
    // A unit that answers again while saving brings the display back.
    link.HandleFrame(Packet().Word(Monitor::SavingCountdown, 500).Frame());
    Tick();
    EXPECT_TRUE(link.Status().labelVisible);
    EXPECT_EQ(link.Status().gaugeProgress, 50);
    // Nor does a port handed to the bootloader keep it alive.
    link.DisablePort();
    Tick(kStatusTicks + 1);
    EXPECT_FALSE(link.Status().labelVisible);
}

TEST_F(LinkFixture, Pickup2ChangeAsksForRefresh) {
    link.HandleFrame(Packet().Frame());
    EXPECT_EQ(observer.pickup2Changes, 0);
    link.HandleFrame(Packet().Byte(Monitor::Inputs, Monitor::Pickup2Signal).Frame());
    link.HandleFrame(Packet().Byte(Monitor::Inputs, Monitor::Pickup2Signal).Frame());
    EXPECT_EQ(observer.pickup2Changes, 1);
}

} // namespace

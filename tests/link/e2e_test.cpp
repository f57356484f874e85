// The link against the simulated unit over a real pseudo-terminal.

#include "recording_observer.h"
#include "sim_process.h"
#include "sim_state.h"

#include "link/link_engine.h"
#include "model/normalise.h"
#include "platform/serial_qt_port.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// Ticks run faster than 55 ms here: the simulator answers within a
// millisecond, and only the count of ticks matters to the link.
constexpr int kTestTickMs = 10;
constexpr int kMaxTicks = 1500;

TParamImage PatternImage(int seed) {
    TParamImage image;
    for (int i = 0; i < kImageSize; ++i) image.bytes[i] = uint8_t(i * 13 + seed);
    NormaliseImage(image);
    return image;
}

bool EqualBut83(const TParamImage& a, const TParamImage& b) {
    TParamImage x = a;
    x[Field::Reserved83.offset] = b[Field::Reserved83.offset];
    return x == b;
}

class EndToEnd : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "link_e2e_tests";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    }

    void StartSim(QStringList extra = {}) {
        ASSERT_TRUE(dir.isValid());
        statePath = dir.filePath("unit.txt").toStdString();
        ASSERT_TRUE(SaveImageFile(statePath, PatternImage(99)));
        extra << "--state" << QString::fromStdString(statePath);
        ASSERT_TRUE(sim.Start(extra)) << "simulator did not start";
        link.SetFixedDevice(sim.Device());
        link.OpenPort();
        ASSERT_TRUE(port.IsOpen()) << sim.Device();
        ASSERT_TRUE(observer.messages.empty());
    }

    void Tick() {
        link.Tick();
        QCoreApplication::processEvents();
        QThread::msleep(kTestTickMs);
    }

    void Run(const std::function<bool()>& until) {
        for (int i = 0; i < kMaxTicks && !until(); ++i) Tick();
    }
    void RunOperation() {
        Run([&] { return link.State().Operation == doIdle; });
    }

    TParamImage UnitImage() {
        auto image = LoadImageFile(statePath);
        EXPECT_TRUE(image.has_value());
        return image.value_or(TParamImage{});
    }

    std::string Status() const { return link.Status().text; }

    QTemporaryDir dir;
    std::string statePath;
    TSimProcess sim{ARDENTIX_SIM_PATH};
    TParamImage image = PatternImage(1);
    TQtSerialPort port;
    RecordingObserver observer;
    TLinkEngine link{image, port, observer};
};

TEST_F(EndToEnd, ReadProgramVerify) {
    StartSim();
    Run([&] { return observer.monitor > 0; }); // the unit is alive
    ASSERT_GT(observer.monitor, 0);

    link.StartRead();
    RunOperation();
    EXPECT_EQ(Status(), "Verify:: OK");
    EXPECT_EQ(image, UnitImage());
    EXPECT_EQ(link.UnitInfo().Name(), "ARX04");

    image = PatternImage(5);
    link.StartProgram();
    RunOperation();
    EXPECT_TRUE(link.State().ProgrammedOk);
    EXPECT_EQ(Status(), "Program device:: OK");
    EXPECT_TRUE(EqualBut83(image, UnitImage()));

    // A difference is found; a failed Verify also clears the Program result.
    image[150] ^= 0x01;
    link.StartVerify();
    RunOperation();
    EXPECT_EQ(Status(), "Verify error!");
    EXPECT_FALSE(link.State().ProgrammedOk);

    image[150] ^= 0x01;
    link.StartVerify();
    RunOperation();
    EXPECT_EQ(Status(), "Verify:: OK");
}

TEST_F(EndToEnd, UnitStopsAnsweringMidProgram) {
    StartSim();
    const TParamImage before = image;
    link.StartProgram();
    Run([&] { return link.State().CommandByte >= 2; });
    ASSERT_EQ(link.State().Operation, doProgram);
    sim.Pause();
    RunOperation();
    EXPECT_EQ(Status(), "Program error!");
    EXPECT_EQ(link.Status().colour, ColourRole::Error);
    EXPECT_FALSE(link.State().ProgrammedOk);
    EXPECT_EQ(image, before);
    Run([&] { return link.State().NoConnectionShown; });
    EXPECT_TRUE(link.State().NoConnectionShown);
    sim.Resume();
}

TEST_F(EndToEnd, WrongFirmwareVersionIsRefused) {
    StartSim({"--version", "97.01"});
    const TParamImage before = image;
    link.StartRead();
    RunOperation();
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_EQ(observer.messages[0],
              "Unmatched subversion of PC and Ignition programs!  PC-97.00, IGN-97.01");
    EXPECT_EQ(image, before);
}

TEST_F(EndToEnd, SilentUnitFailsReadAfterFiveSends) {
    StartSim({"--silent"});
    const TParamImage before = image;
    link.StartRead();
    RunOperation();
    EXPECT_EQ(Status(), "Read error!");
    EXPECT_EQ(image, before);
    EXPECT_TRUE(link.State().NoConnectionShown);
}

struct NoisyLine {
    const char* name;
    const char* option;
    const char* probability;
    const char* seed;
};

class NoisyEndToEnd : public EndToEnd, public ::testing::WithParamInterface<NoisyLine> {};

// Every operation either completes, and then the image equals the unit's, or
// fails with its own message; nothing in between.
TEST_P(NoisyEndToEnd, OperationsCompleteOrFailCleanly) {
    const auto p = GetParam();
    StartSim({p.option, p.probability, "--seed", p.seed});
    for (int round = 0; round < 3; ++round) {
        link.StartRead();
        RunOperation();
        if (Status() == "Verify:: OK")
            EXPECT_EQ(image, UnitImage());
        else
            EXPECT_TRUE(Status() == "Read error!" || Status() == "Verify error!") << Status();

        image = PatternImage(20 + round);
        const TParamImage programmed = image;
        link.StartProgram();
        RunOperation();
        EXPECT_EQ(image, programmed); // a Program never changes the image
        if (link.State().ProgrammedOk) {
            EXPECT_EQ(Status(), "Program device:: OK");
            EXPECT_TRUE(EqualBut83(image, UnitImage()));
        } else {
            EXPECT_TRUE(Status() == "Program error!" || Status() == "Verify error!") << Status();
        }
    }
    EXPECT_TRUE(observer.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Faults, NoisyEndToEnd,
                         ::testing::Values(NoisyLine{"Drop30", "--drop", "0.3", "11"},
                                           NoisyLine{"Corrupt5", "--corrupt", "0.05", "5"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

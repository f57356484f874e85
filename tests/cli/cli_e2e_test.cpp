// ardentix-cli against the simulated unit over a pseudo-terminal, both run as
// child processes.

#include "cli_exit.h"
#include "image_compare.h"
#include "image_load.h"
#include "sim_process.h"
#include "sim_state.h"
#include "temp_dir.h"
#include "text_lines.h"

#include "files/param_file_writer.h"
#include "model/defaults.h"
#include "model/normalise.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <pty.h>
#include <sstream>
#include <unistd.h>

namespace {

constexpr int kRunLimitMs = 60000;

struct CliRun {
    int code = -1;
    std::string out, err;
};

class CliEndToEnd : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "cli_tests";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    }

    static TParamImage FactoryImage() {
        TParamImage image = StartupImage();
        NormaliseImage(image);
        return image;
    }

    // Starts the unit holding `image`; by default the factory image of bike
    // code 20, as a new unit.
    void StartSim(QStringList extra = {}, const TParamImage& image = FactoryImage()) {
        ASSERT_FALSE(dir.path.empty());
        statePath = dir.File("unit.txt");
        ASSERT_TRUE(SaveImageFile(statePath, image));
        extra << "--state" << QString::fromStdString(statePath);
        ASSERT_TRUE(sim.Start(extra)) << "simulator did not start";
    }

    CliRun Cli(const std::vector<std::string>& args, bool withPort = true) {
        QStringList list;
        if (withPort) list << "--port" << QString::fromStdString(sim.Device());
        for (const auto& a : args) list << QString::fromStdString(a);
        QProcess p;
        p.start(ARDENTIX_CLI_PATH, list);
        CliRun r;
        if (!p.waitForFinished(kRunLimitMs)) {
            p.kill();
            p.waitForFinished();
            ADD_FAILURE() << "ardentix-cli did not end";
            return r;
        }
        r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = p.readAllStandardOutput().toStdString();
        r.err = p.readAllStandardError().toStdString();
        return r;
    }

    // Runs the program with its standard error on a terminal (a pseudo-terminal
    // here); onErr sees the text written so far while it runs.
    CliRun CliOnTerminal(const std::vector<std::string>& args,
                         const std::function<void(const std::string&)>& onErr = {}) {
        CliRun r;
        int master = -1, slave = -1;
        char name[256] = {};
        if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
            ADD_FAILURE() << "no pseudo-terminal";
            return r;
        }
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        QStringList list{"--port", QString::fromStdString(sim.Device())};
        for (const auto& a : args) list << QString::fromStdString(a);
        QProcess p;
        p.setStandardErrorFile(name);
        p.start(ARDENTIX_CLI_PATH, list);
        QElapsedTimer clock;
        clock.start();
        while (p.state() != QProcess::NotRunning && clock.elapsed() < kRunLimitMs) {
            p.waitForFinished(10);
            char buf[512];
            for (ssize_t n; (n = ::read(master, buf, sizeof buf)) > 0;)
                r.err.append(buf, size_t(n));
            if (onErr) onErr(r.err);
        }
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished();
            ADD_FAILURE() << "ardentix-cli did not end";
        } else {
            r.code = p.exitCode();
        }
        ::close(slave);
        ::close(master);
        return r;
    }

    TParamImage UnitImage() {
        const auto image = LoadImageFile(statePath);
        EXPECT_TRUE(image.has_value());
        return image.value_or(TParamImage{});
    }

    // The unit's image with its own byte 83 (the unit keeps it) taken from `like`.
    TParamImage UnitImageLike(const TParamImage& like) {
        TParamImage image = UnitImage();
        image[Field::Reserved83.offset] = like[Field::Reserved83.offset];
        return image;
    }

    std::string WriteIgn(const std::string& name, const TParamImage& image) {
        const std::string path = dir.File(name);
        WriteText(path, ParamFileWriter(image, DefaultParamFileFooter()));
        return path;
    }

    TTempDir dir;
    TSimProcess sim{ARDENTIX_SIM_PATH};
    std::string statePath;
};

TEST_F(CliEndToEnd, ReadGivesTheUnitsParameters) {
    StartSim();
    const std::string out = dir.File("read.ign");
    const CliRun r = Cli({"read", "-o", out});
    ASSERT_EQ(r.code, ExitOk) << r.err;
    EXPECT_TRUE(Contains(r.err, "Read: OK")) << r.err;
    // No terminal: no progress lines.
    EXPECT_FALSE(Contains(r.err, "1/5")) << r.err;
    EXPECT_TRUE(Contains(ReadText(out), "\r\nHEX  ")) << "the footer names the unit";

    const std::string state = WriteIgn("state.ign", UnitImage());
    const CliRun d = Cli({"diff", out, state}, false);
    EXPECT_EQ(d.code, ExitOk) << d.out << d.err;
    EXPECT_TRUE(d.out.empty()) << d.out;
}

TEST_F(CliEndToEnd, ProgramThenReadBackGivesTheChangedFile) {
    StartSim();
    TParamImage changed = CliStartImage();
    changed.set(Field::Limiter, changed.get(Field::Limiter) + 7);
    const int cell = MapCell(Field::AdvanceMap, 4, 2) - Field::AdvanceMap.offset;
    changed.set(Field::AdvanceMap, cell, changed.get(Field::AdvanceMap, cell) + 3);
    changed.set(Field::BikeCode, 20); // the pins bring it back to the special setting
    const std::string file = WriteIgn("changed.ign", changed);

    const CliRun p = Cli({"program", file});
    ASSERT_EQ(p.code, ExitOk) << p.err;
    EXPECT_TRUE(Contains(p.err, "Program device: OK")) << p.err;
    // The unit holds exactly what opening the file gives.
    const TImageLoad opened = OpenParamImage(file, LoadMode::AsOpened, 0);
    ASSERT_TRUE(opened.image);
    EXPECT_TRUE(SameImage(UnitImageLike(*opened.image), *opened.image));
    EXPECT_EQ(UnitImage().get(Field::BikeCode), kBikeCodeSpecial);

    const std::string back = dir.File("back.ign");
    ASSERT_EQ(Cli({"read", "-o", back}).code, ExitOk);
    const CliRun d = Cli({"diff", file, back, "--pinned"}, false);
    EXPECT_EQ(d.code, ExitOk) << d.out;

    // The same file verifies; a different one does not.
    EXPECT_EQ(Cli({"verify", file}).code, ExitOk);
    TParamImage other = changed;
    other.set(Field::Retard, other.get(Field::Retard) + 1);
    const CliRun v = Cli({"verify", WriteIgn("other.ign", other)});
    EXPECT_EQ(v.code, ExitVerifyError);
    EXPECT_TRUE(Contains(v.err, "Verify error!")) << v.err;
    EXPECT_TRUE(SameImage(UnitImageLike(*opened.image), *opened.image)) << "verify changes nothing";
}

TEST_F(CliEndToEnd, AUnitWithAnotherSubVersionIsRefused) {
    StartSim({"--version", "97.01"});
    const TParamImage before = UnitImage();
    const std::string out = dir.File("read.ign");
    const CliRun r = Cli({"read", "-o", out});
    EXPECT_EQ(r.code, ExitUnitSubVersion);
    EXPECT_TRUE(Contains(r.err, "Unmatched subversion of PC and Ignition programs!  "
                                "PC-97.00, IGN-97.01"))
        << r.err;
    EXPECT_FALSE(std::filesystem::exists(out));

    const CliRun p = Cli({"program", WriteIgn("new.ign", CliStartImage())});
    EXPECT_EQ(p.code, ExitUnitSubVersion);
    EXPECT_EQ(UnitImage(), before) << "no block may move";
}

TEST_F(CliEndToEnd, ASilentUnitEndsWithReadErrorAndKeepsTheOldFile) {
    StartSim({"--silent"});
    const std::string out = dir.File("read.ign");
    WriteText(out, "earlier parameters");
    const CliRun r = Cli({"read", "-o", out});
    EXPECT_EQ(r.code, ExitReadError);
    EXPECT_TRUE(Contains(r.err, "Read error!")) << r.err;
    EXPECT_EQ(ReadText(out), "earlier parameters");

    const CliRun de = Cli({"--lang", "de", "read", "-o", out});
    EXPECT_EQ(de.code, ExitReadError);
    EXPECT_TRUE(Contains(de.err, "Lesefehler")) << de.err;

    // Program asks for the unit's own bytes first, and names what failed.
    const CliRun p = Cli({"program", WriteIgn("new.ign", CliStartImage())});
    EXPECT_EQ(p.code, ExitReadError);
    EXPECT_TRUE(Contains(p.err, "Read error! (block 0)")) << p.err;
}

TEST_F(CliEndToEnd, ProgramAndVerifyKeepTheUnitsReservedBytes) {
    TParamImage unit = StartupImage();
    NormaliseImage(unit);
    for (int i = 0; i < Field::Reserved60.count; ++i) unit.set(Field::Reserved60, i, 0xA0 + i);
    for (int i = 0; i < Field::Reserved157.count; ++i) unit.set(Field::Reserved157, i, 0x30 + i);
    StartSim({}, unit);
    const std::string file = WriteIgn("new.ign", CliStartImage());

    const CliRun p = Cli({"program", file});
    ASSERT_EQ(p.code, ExitOk) << p.err;
    const TParamImage after = UnitImage();
    for (const FieldDesc* f : {&Field::Reserved60, &Field::Reserved157})
        for (int i = 0; i < f->count; ++i) EXPECT_EQ(after.get(*f, i), unit.get(*f, i));
    // Everything else is what opening the file gives.
    TParamImage expected = *OpenParamImage(file, LoadMode::AsOpened, 0).image;
    for (const FieldDesc* f : {&Field::Reserved60, &Field::Reserved157})
        for (int i = 0; i < f->count; ++i) expected.set(*f, i, unit.get(*f, i));
    EXPECT_TRUE(SameImage(UnitImageLike(expected), expected));

    const CliRun v = Cli({"verify", file});
    EXPECT_EQ(v.code, ExitOk) << v.err;
    EXPECT_TRUE(Contains(v.err, "Verify: OK")) << v.err;
}

TEST_F(CliEndToEnd, AReadThatDoesNotVerifyWritesNothing) {
    // A stored value out of its range: the read normalises it, so the verify
    // pass finds the unit different.
    TParamImage unit = FactoryImage();
    unit.set(Field::OutputCount, 9);
    StartSim({}, unit);
    const std::string out = dir.File("read.ign");
    const CliRun r = Cli({"read", "-o", out});
    EXPECT_EQ(r.code, ExitVerifyError);
    EXPECT_TRUE(Contains(r.err, "Verify error! (block 1)")) << r.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CliEndToEnd, TheSafetyLimitEndsASlowRead) {
    // Each reply comes 150 ms late: the read goes on, but needs well over a second.
    StartSim({"--delay-ms", "150"});
    const std::string out = dir.File("read.ign");
    const CliRun r = Cli({"--timeout", "1", "read", "-o", out});
    EXPECT_EQ(r.code, ExitTimeout);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CliEndToEnd, ANoisyLineNeverGivesAWrongFile) {
    StartSim({"--drop", "0.3", "--corrupt", "0.05", "--seed", "11"});
    const std::string state = WriteIgn("state.ign", UnitImage());
    for (int i = 0; i < 3; ++i) {
        const std::string out = dir.File("read" + std::to_string(i) + ".ign");
        const CliRun r = Cli({"read", "-o", out});
        if (r.code != ExitOk) {
            // A clean failure in the program's own words, and no file.
            EXPECT_TRUE(r.code == ExitReadError || r.code == ExitVerifyError) << r.err;
            EXPECT_FALSE(std::filesystem::exists(out));
            continue;
        }
        const CliRun d = Cli({"diff", out, state}, false);
        EXPECT_EQ(d.code, ExitOk) << d.out;
    }
}

TEST_F(CliEndToEnd, AnInterruptedReadWritesNothing) {
    StartSim({"--silent"});
    const std::string out = dir.File("read.ign");
    WriteText(out, "earlier parameters");
    QProcess p;
    p.start(ARDENTIX_CLI_PATH, {"--port", QString::fromStdString(sim.Device()), "read", "-o",
                                QString::fromStdString(out)});
    ASSERT_TRUE(p.waitForStarted());
    // The silent unit keeps the read going for well over a second.
    p.waitForFinished(300);
    ASSERT_EQ(p.state(), QProcess::Running);
    p.terminate();
    ASSERT_TRUE(p.waitForFinished(kRunLimitMs));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), ExitInterrupted);
    EXPECT_EQ(ReadText(out), "earlier parameters");
}

TEST_F(CliEndToEnd, OnATerminalEachBlockShowsProgress) {
    StartSim();
    const CliRun r = CliOnTerminal({"read", "-o", dir.File("read.ign")});
    EXPECT_EQ(r.code, ExitOk) << r.err;
    size_t at = 0;
    for (const char* step :
         {"Read: 1/5", "Read: 2/5", "Read: 5/5", "Verify: 1/5", "Verify: 5/5", "Read: OK"}) {
        const size_t found = r.err.find(step, at);
        EXPECT_NE(found, std::string::npos) << step << " in order in:\n" << r.err;
        if (found != std::string::npos) at = found;
    }
}

TEST_F(CliEndToEnd, ProgramEndsWhenTheUnitHasStoredTheParameters) {
    StartSim();
    const CliRun r = CliOnTerminal({"program", WriteIgn("new.ign", CliStartImage())});
    EXPECT_EQ(r.code, ExitOk) << r.err;
    const size_t saving = r.err.find("Saving: ");
    ASSERT_NE(saving, std::string::npos) << r.err;
    EXPECT_GT(r.err.find("Program device: OK"), saving) << r.err;
}

TEST_F(CliEndToEnd, AUnitThatStopsMidProgramNamesTheBlock) {
    // Replies come late enough to freeze the unit while the blocks go out.
    StartSim({"--delay-ms", "30"});
    bool paused = false;
    const CliRun r = CliOnTerminal({"program", WriteIgn("new.ign", CliStartImage())},
                                   [&](const std::string& err) {
                                       if (!paused && Contains(err, "Program device: 2/5")) {
                                           sim.Pause();
                                           paused = true;
                                       }
                                   });
    sim.Resume();
    ASSERT_TRUE(paused) << r.err;
    EXPECT_EQ(r.code, ExitProgramError);
    // The header and block 1 went through; the failure names a later block.
    const size_t at = r.err.find("Program error! (block ");
    ASSERT_NE(at, std::string::npos) << r.err;
    const char block = r.err[at + std::string("Program error! (block ").size()];
    EXPECT_TRUE(block >= '2' && block <= '5') << r.err;
}

TEST_F(CliEndToEnd, MonitorPrintsThreeCsvRows) {
    StartSim();
    const CliRun r = Cli({"monitor", "--count", "3", "--csv"});
    ASSERT_EQ(r.code, ExitOk) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u) << r.out;
    EXPECT_EQ(lines[0].rfind("speed_rpm,supply_mv,", 0), 0u);
    for (size_t i = 1; i < lines.size(); ++i) {
        std::vector<std::string> fields;
        std::istringstream row(lines[i]);
        for (std::string f; std::getline(row, f, ',');) fields.push_back(f);
        ASSERT_EQ(fields.size(), 13u) << lines[i];
        const int speed = std::stoi(fields[0]), supply = std::stoi(fields[1]);
        EXPECT_GE(speed, 0);
        EXPECT_LE(speed, 25000);
        EXPECT_GT(supply, 7000);
        EXPECT_LT(supply, 18000);
        EXPECT_EQ(fields[12], "97.00");
    }
}

TEST_F(CliEndToEnd, PortAndSilenceFailures) {
    StartSim({"--silent"});
    const CliRun r = Cli({"--port", dir.File("no-such-device"), "reset"}, false);
    EXPECT_EQ(r.code, ExitPortError);
    EXPECT_TRUE(Contains(r.err, "Com opening error!")) << r.err;

    const CliRun reset = Cli({"reset"});
    EXPECT_EQ(reset.code, ExitResetError);
    EXPECT_TRUE(Contains(reset.err, "Reset error")) << reset.err;

    const CliRun m = Cli({"monitor", "--timeout", "1"});
    EXPECT_EQ(m.code, ExitTimeout);
    EXPECT_TRUE(Contains(m.err, "No Connection")) << m.err;
    EXPECT_TRUE(m.out.empty());
}

} // namespace

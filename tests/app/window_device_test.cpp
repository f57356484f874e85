// Device commands: the first-run rule, and Read from the simulated unit.
#include "window_fixture.h"

#include "app/platform_options.h"
#include "app/updown_pair.h"
#include "files/image_backup.h"
#include "model/defaults.h"
#include "model/normalise.h"

#include <QAction>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <functional>

#ifdef ARDENTIX_SIM
#include "sim_process.h"
#endif

TEST_F(WindowTest, ProgramOnFirstRunShowsTheBoxAndSendsNothing) {
    Start();
    ASSERT_TRUE(form->Settings().firstRun);
    form->Program();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Attention");
    EXPECT_TRUE(boxes[0].text.startsWith("This is a new installation"));
    EXPECT_TRUE(boxes[0].systemModal);
    EXPECT_EQ(form->Link().State().Operation, doIdle);
    Ticks(5); // five ticks: no monitor request yet either
    for (const auto& w : writes) EXPECT_NE(w[0], 0x10) << "a program frame went out";
}

TEST_F(WindowTest, WithoutUnitNoConnectionShowsAndStatusIsHidden) {
    Start();
    Ticks(1);
    EXPECT_FALSE(form->LabelSpojeni->isHidden());
    EXPECT_TRUE(form->LabelHlaseni->isHidden());
    EXPECT_TRUE(form->LabelVersion->isHidden());
    EXPECT_TRUE(form->ButtonRead->isEnabled());
}

TEST_F(WindowTest, PowerOutAndServoPagesStayHidden) {
    Start();
    Ticks(2);
    EXPECT_FALSE(form->PageControl1->isTabVisible(PagePowerOut));
    EXPECT_FALSE(form->PageControl1->isTabVisible(PageServo));
    EXPECT_TRUE(form->PageControl1->isTabVisible(PageMisc));
    EXPECT_TRUE(form->PageControl1->isTabVisible(PageTest));
}

#ifdef ARDENTIX_SIM
namespace {
class SimWindowTest : public WindowTest {
  protected:
    bool StartWithSim(QStringList simArgs) {
        if (!sim.Start(simArgs << "--seed"
                               << "1"))
            return false;
        const QStringList args{"--port", QString::fromStdString(sim.Device())};
        TFormOptions o = PlatformFormOptions(args);
        o.runTimer = false;
        o.programDir = dir.path();
        form = std::make_unique<TFormHlav>(std::move(o));
        return true;
    }
    // Real ticks: the simulated unit answers between them.
    template <typename Done>
    bool TickUntil(Done done, int maxTicks = 400) {
        for (int i = 0; i < maxTicks; ++i) {
            QTest::qWait(10);
            form->Timer1Timer();
            if (done()) return true;
        }
        return false;
    }
    TSimProcess sim{ARDENTIX_SIM};
};
} // namespace

TEST_F(SimWindowTest, ReadFillsTheFirmwareLabelsAndTheImage) {
    // The unit holds a setting of its own: limiter 9 700 rpm, three lobes.
    TParamImage unit = StartupImage();
    unit.set(Field::Limiter, 97);
    unit.set(Field::LobeCount, 3);
    NormaliseImage(unit);
    const QString state = dir.filePath("unit.txt");
    ASSERT_TRUE(SaveImageBackup(state.toStdString(), unit));
    ASSERT_TRUE(StartWithSim({"--state", state}));
    ASSERT_NE(form->Image().get(Field::Limiter), 97);
    EXPECT_TRUE(form->LabelCom->text().contains(QString::fromStdString(sim.Device())));
    ASSERT_TRUE(TickUntil([&] { return form->LabelSpojeni->isHidden(); }));
    form->Read();
    ASSERT_TRUE(TickUntil([&] {
        return form->Link().State().Operation == doIdle &&
               form->LabelHlaseni->text().endsWith("OK");
    })) << form->LabelHlaseni->text().toStdString();
    EXPECT_FALSE(form->bike.LabelVerze1->text().isEmpty());
    EXPECT_FALSE(form->bike.LabelVerze2->text().isEmpty());
    EXPECT_FALSE(form->Settings().firstRun); // a completed Read ends the first run
    EXPECT_TRUE(form->CurrentFile().isEmpty());
    EXPECT_FALSE(form->LabelRpm->text().isEmpty()); // the monitor runs again
    EXPECT_EQ(form->Image().get(Field::Limiter), 97);
    EXPECT_EQ(form->Image().get(Field::LobeCount), 3);
    EXPECT_EQ(form->misc.Omez2.edit->text(), FormatForEdit(9700));
}

TEST_F(SimWindowTest, UnitOfAnotherVersionLeavesOnlyTheTestPage) {
    ASSERT_TRUE(StartWithSim({"--version", "97.03"}));
    ASSERT_TRUE(TickUntil([&] { return !form->LabelVersion->isHidden(); }));
    EXPECT_TRUE(form->LabelVersion->text().contains("subversion"));
    EXPECT_FALSE(form->PageControl1->isTabVisible(PageMisc));
    EXPECT_FALSE(form->PageControl1->isTabVisible(PageBike));
    EXPECT_FALSE(form->PageControl1->isTabVisible(PageAdvance));
    EXPECT_TRUE(form->PageControl1->isTabVisible(PageTest));
    EXPECT_EQ(form->PageControl1->currentIndex(), PageTest);
    for (QPushButton* b : {form->ButtonRead, form->BitBtnVerify, form->BitBtnProgram})
        EXPECT_FALSE(b->isEnabled());
    for (QAction* a : {form->MenuRead, form->MenuVerify, form->MenuProgram})
        EXPECT_FALSE(a->isEnabled());
}
#endif

TEST_F(WindowTest, IgnitionButtonsFireOnceWithTheNextMonitorRequest) {
    Start();
    form->SelectPage(PageTest);
    for (int i = 0; i < 3; ++i) QTest::mouseClick(form->test.ButtonTestIgn[1], Qt::LeftButton);
    QTest::mouseClick(form->test.ButtonTestIgn[2], Qt::LeftButton);
    Ticks(13);
    std::vector<int> flags;
    for (const auto& w : writes)
        if (w.size() == 102 && w[0] == 0x30) flags.push_back(w[21]);
    ASSERT_GE(flags.size(), 2u);
    EXPECT_EQ(flags[0], 0b110); // channels 2 and 3, each once
    EXPECT_EQ(flags[1], 0);
}

TEST_F(WindowTest, ComMenuChoosesThePortAndChecksIt) {
    Start();
    form->ComItems[4]->trigger();
    EXPECT_EQ(form->Link().State().ChosenPort, 4);
    EXPECT_TRUE(form->ComItems[4]->isChecked());
    EXPECT_FALSE(form->ComItems[30]->isChecked());
    EXPECT_EQ(form->LabelCom->text(), "COM= fake4");
    EXPECT_EQ(form->ComItems[30]->text(), "Com Auto");
}

TEST_F(WindowTest, BootloaderBorrowsAndReturnsThePort) {
    Start();
    const int port = form->Link().State().PortInUse();
    form->BootloaderMessage(port + 1, kBootloaderRelease); // another port: ignored
    Ticks(12);
    EXPECT_TRUE(form->Link().State().PortEnabled);
    form->BootloaderMessage(port, kBootloaderRelease);
    Ticks(12); // the unit does not answer: the release ends by time-out
    EXPECT_FALSE(form->Link().State().PortEnabled);
    EXPECT_TRUE(form->windowTitle().endsWith("(Disconnected by bootloader)"))
        << form->windowTitle().toStdString();
    form->BootloaderMessage(port, kBootloaderDone);
    EXPECT_TRUE(form->Link().State().PortEnabled);
    EXPECT_FALSE(form->windowTitle().contains("bootloader"));
}

TEST_F(WindowTest, DebugMarkerShowsTheLogToolsAndLogsChanges) {
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QDir().mkpath(config);
    QFile marker(config + "/njus_iddcl.gkf");
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write("some words WOYE_NPZTON more\n");
    marker.close();
    Start();
    EXPECT_TRUE(form->DebugMode());
    EXPECT_FALSE(form->LogPanel->isHidden());
    EXPECT_FALSE(form->LabelTest[0]->isHidden());
    TypeAndEnter(form->misc.Omez2.edit, "12300");
    const QString log = qEnvironmentVariable("XDG_DATA_HOME") + "/IGN_KVOR4_v97.log";
    ASSERT_TRUE(QFile::exists(log));
    // The record just written can be found again and loads its image.
    TypeAndEnter(form->misc.Omez2.edit, "9000");
    dialogAnswers.push_back(log);
    form->LogOpenClick();
    form->Log_Edit->setText("(0)");
    form->LogFindClick();
    EXPECT_EQ(form->Log_Edit->text(), "Loaded...");
    EXPECT_EQ(form->Image().get(Field::Limiter), 123);
}

TEST_F(WindowTest, WithoutMarkerTheLogToolsStayHidden) {
    Start();
    EXPECT_FALSE(form->DebugMode());
    EXPECT_TRUE(form->LogPanel->isHidden());
    EXPECT_TRUE(form->LabelTest[0]->isHidden());
}

TEST_F(WindowTest, FixedPortThatCannotOpenIsReportedOnce) {
    TFormOptions o = PlatformFormOptions({"--port", dir.filePath("no-such-tty")});
    o.runTimer = false;
    form = std::make_unique<TFormHlav>(std::move(o));
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Com opening error!");
    Ticks(70); // quiet re-opens after that
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(form->LabelSpojeni->isHidden());
}

TEST_F(WindowTest, ReadWithoutUnitEndsInARedStatus) {
    Start();
    form->Read();
    Ticks(30);
    EXPECT_EQ(form->LabelHlaseni->text(), "Read error!");
    EXPECT_FALSE(form->LabelHlaseni->isHidden());
    EXPECT_TRUE(form->LabelHlaseni->styleSheet().contains("red"));
    Ticks(200);
    EXPECT_TRUE(form->LabelHlaseni->isHidden());
}

#ifdef ARDENTIX_SIM
TEST_F(SimWindowTest, ProgramAfterReadStoresTheEditedValueInTheUnit) {
    const QString state = dir.filePath("unit.txt");
    TParamImage unit = StartupImage();
    NormaliseImage(unit);
    ASSERT_TRUE(SaveImageBackup(state.toStdString(), unit));
    ASSERT_TRUE(StartWithSim({"--state", state}));
    ASSERT_TRUE(TickUntil([&] { return form->LabelSpojeni->isHidden(); }));
    form->Read();
    ASSERT_TRUE(TickUntil([&] {
        return form->Link().State().Operation == doIdle &&
               form->LabelHlaseni->text().endsWith("OK");
    })) << form->LabelHlaseni->text().toStdString()
        << " op " << int(form->Link().State().Operation);
    TypeAndEnter(form->misc.Omez2.edit, "8800");
    form->Program();
    ASSERT_TRUE(TickUntil([&] {
        return form->Link().State().Operation == doIdle &&
               form->LabelHlaseni->text().startsWith("Program device:") &&
               form->LabelHlaseni->text().endsWith("OK");
    })) << form->LabelHlaseni->text().toStdString();
    EXPECT_TRUE(boxes.empty());
    sim.Stop();
    TParamImage stored;
    ASSERT_GT(LoadImageBackup(state.toStdString(), stored), 0);
    EXPECT_EQ(stored.get(Field::Limiter), 88);
}
#endif

TEST_F(WindowTest, ReleasedPortKeepsTheFileInTheTitle) {
    Start();
    dialogAnswers = {dir.filePath("bike.ign")};
    form->Save(false);
    const QString base =
        "  Programming of Ardentix unit" + QString(7, ' ') + dir.filePath("bike.ign");
    ASSERT_EQ(form->windowTitle(), base);
    const int port = form->Link().State().PortInUse();
    form->BootloaderMessage(port, kBootloaderRelease);
    Ticks(12);
    ASSERT_FALSE(form->Link().State().PortEnabled);
    EXPECT_EQ(form->windowTitle().toStdString(),
              (base + "   " + "  (Disconnected by bootloader)").toStdString());
    form->BootloaderMessage(port, kBootloaderDone);
    EXPECT_EQ(form->windowTitle(), base);
}

namespace {
// The head line of the last record of the diagnostic log, from "ACTION=" on.
std::string LastLogAction() {
    QFile f(qEnvironmentVariable("XDG_DATA_HOME") + "/IGN_KVOR4_v97.log");
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray all = f.readAll();
    const qsizetype head = all.lastIndexOf("<LOG TIME=");
    if (head < 0) return {};
    const QByteArray line = all.mid(head, all.indexOf('\n', head) - head);
    return line.mid(line.indexOf("ACTION=")).toStdString();
}
} // namespace

TEST_F(WindowTest, LogRecordsNameTheActionSourceAndCause) {
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QDir().mkpath(config);
    QFile marker(config + "/njus_iddcl.gkf");
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write("WOYE_NPZTON\n");
    marker.close();
    Start();
    ASSERT_TRUE(form->DebugMode());
    auto type = [this](const char* text) {
        form->misc.Omez2.edit->clear();
        QTest::keyClicks(form->misc.Omez2.edit, text); // typed, not yet taken
    };
    QObject sheet;
    sheet.setObjectName("Advance");
    const struct {
        const char* what;
        std::function<void()> act;
        std::string expected;
    } cases[] = {
        {"Enter", [&] { TypeAndEnter(form->misc.Omez2.edit, "12300"); },
         "ACTION=FormFinalise  SOURCE=EditOmez2 SOURC_INT=1>"},
        {"arrow",
         [&] {
             form->misc.Omez2.updown->ClickUp();
             Ticks(kUpDownDelayTicks);
         },
         "ACTION=FormFinalise  SOURCE=UpDownOmez2 SOURC_INT=3>"},
        {"map editor",
         [&] {
             type("9000");
             form->TabEvent(4, &sheet);
         },
         "ACTION=TabEvent  SOURCE=Advance SOURC_INT=4>"},
        // The commands keep the source the last change left.
        {"save",
         [&] {
             type("9500");
             dialogAnswers = {dir.filePath("log.ign")};
             form->Save(false);
         },
         "ACTION=MenuSave  SOURCE=Advance SOURC_INT=0>"},
        {"verify",
         [&] {
             type("9600");
             form->Verify();
         },
         "ACTION=MenuVerify  SOURCE=Advance SOURC_INT=0>"},
    };
    for (const auto& c : cases) {
        c.act();
        EXPECT_EQ(LastLogAction(), c.expected) << c.what;
    }
}

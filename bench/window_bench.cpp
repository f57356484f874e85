// Start-up of the main window and its cost while connected to the simulated
// unit.  Prints:
//   - time from process start to the first shown window (offscreen, with a
//     settings file and an image backup present, as after an earlier run),
//   - resident memory after 10 s connected to ardentix-sim,
//   - CPU time of the program over those 10 s (idle, monitoring).
//
//   window_bench [--seconds S]

#include "sim_process.h"

#include "app/form_hlav.h"
#include "app/platform_options.h"
#include "files/image_backup.h"
#include "files/settings.h"
#include "model/defaults.h"
#include "platform/locations.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

double ProcessAgeSeconds() {
    // Field 22 of /proc/self/stat: start time in clock ticks since boot.
    std::ifstream stat("/proc/self/stat");
    std::string s((std::istreambuf_iterator<char>(stat)), {});
    const auto close = s.rfind(')');
    std::istringstream rest(s.substr(close + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i) rest >> field;
    const double started = std::stod(field) / double(sysconf(_SC_CLK_TCK));
    timespec up{};
    clock_gettime(CLOCK_BOOTTIME, &up);
    return double(up.tv_sec) + double(up.tv_nsec) * 1e-9 - started;
}

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Leaves a settings file and an image backup behind, as an earlier run would.
void PrepareEarlierRun() {
    TSettings settings;
    settings.firstRun = false;
    SaveSettings(SettingsFilePath(), settings);
    SaveImageBackup(ImageBackupFilePath(), StartupImage());
}

} // namespace

int main(int argc, char** argv) {
    int seconds = 10;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--seconds") seconds = std::atoi(argv[i + 1]);

    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    // The simulator runs before the measured start, as a unit plugged in would.
    TSimProcess sim(ARDENTIX_SIM_PATH);
    {
        int fakeArgc = 1;
        QCoreApplication core(fakeArgc, argv);
        PrepareEarlierRun();
        if (!sim.Start({})) {
            std::fprintf(stderr, "window_bench: the simulator did not start\n");
            return 1;
        }
    }
    const double beforeApp = ProcessAgeSeconds();

    QElapsedTimer startup;
    startup.start();
    QApplication app(argc, argv);
    TFormHlav form(PlatformFormOptions({"--port", QString::fromStdString(sim.Device())}));
    form.show();
    QApplication::processEvents();
    const double shown = startup.nsecsElapsed() * 1e-9;

    const double cpu0 = CpuSeconds();
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    app.exec();
    const double cpu = CpuSeconds() - cpu0;
    const long rss = ResidentKiB();

    std::printf(
        "start-up to shown window: %.3f s (process set-up before it %.3f s)  target < 0.5 s  %s\n",
        shown, beforeApp, shown < 0.5 ? "ok" : "OVER");
    std::printf("resident memory after %d s connected: %.1f MB  target < 80 MB  %s\n", seconds,
                rss / 1024.0, rss / 1024.0 < 80 ? "ok" : "OVER");
    std::printf(
        "CPU while idle and connected: %.3f s in %d s = %.2f %% of one core  target < 2 %%  %s"
        "  (connected: %s, %d ticks)\n",
        cpu, seconds, 100.0 * cpu / seconds, 100.0 * cpu / seconds < 2 ? "ok" : "OVER",
        form.Link().State().Connected ? "yes" : "no", form.TickTotal());
    return 0;
}

// Times Read+verify and Program+verify against `ardentix-sim --pace` with the
// real 55 ms tick, and the CPU the idle monitoring costs.
//
//   link_bench [--runs N] [--idle-seconds S]

#include "sim_process.h"

#include "link/link_engine.h"
#include "link/link_ticker.h"
#include "platform/serial_qt_port.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// 11 request/reply pairs of 102 bytes each way, 10 bits a byte at 57600 baud.
constexpr double kWireSeconds = 11 * 2 * 102 * 10 / 57600.0;
constexpr double kTargetRatio = 2.0;

double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

struct Bench {
    TParamImage image;
    TQtSerialPort port;
    ILinkObserver observer;
    TLinkEngine link{image, port, observer};
    QEventLoop loop;
    TLinkTicker ticker{link, [this] {
                           if (waitIdle && link.State().Operation == doIdle) loop.quit();
                       }};
    bool waitIdle = false;

    // Runs one operation to its end; returns its wall time in seconds.
    double Time(void (TLinkEngine::*start)(), std::string& result) {
        QElapsedTimer t;
        t.start();
        (link.*start)();
        waitIdle = true;
        loop.exec();
        waitIdle = false;
        result = link.Status().text;
        return t.nsecsElapsed() * 1e-9;
    }

    void Idle(int seconds) {
        QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

void Report(const char* name, std::vector<double> times, const std::string& result) {
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double worst = times.back();
    std::printf("%-16s median %.3f s (%.2fx wire), worst %.3f s (%.2fx)  target <= %.1fx  %s  "
                "[%s]\n",
                name, median, median / kWireSeconds, worst, worst / kWireSeconds, kTargetRatio,
                worst / kWireSeconds <= kTargetRatio ? "ok" : "OVER", result.c_str());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int runs = 5;
    int idleSeconds = 10;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--runs") runs = std::max(1, args[i + 1].toInt());
        if (args[i] == "--idle-seconds") idleSeconds = std::max(1, args[i + 1].toInt());
    }

    QTemporaryDir dir;
    TSimProcess sim(ARDENTIX_SIM_PATH);
    if (!sim.Start({"--pace", "--state", dir.filePath("unit.txt")})) {
        std::fprintf(stderr, "link_bench: the simulator did not start\n");
        return 1;
    }
    Bench b;
    b.link.SetFixedDevice(sim.Device());
    b.link.OpenPort();
    if (!b.port.IsOpen()) {
        std::fprintf(stderr, "link_bench: cannot open %s\n", sim.Device().c_str());
        return 1;
    }
    b.ticker.Start();
    b.Idle(1); // connected and monitoring

    std::printf("wire-time limit: %.3f s (11 request/reply pairs of 102 bytes at 57600 baud)\n",
                kWireSeconds);
    for (bool early : {false, true}) {
        b.port.SetDataArrived(early ? std::function<void()>([&] { b.link.PollReceive(); })
                                    : std::function<void()>());
        std::printf("-- receive poll %s\n", early ? "also on arrival of data" : "in the tick only");
        std::vector<double> reads, programs;
        std::string readResult, programResult;
        for (int r = 0; r < runs; ++r) {
            reads.push_back(b.Time(&TLinkEngine::StartRead, readResult));
            programs.push_back(b.Time(&TLinkEngine::StartProgram, programResult));
        }
        Report("Read+verify", reads, readResult);
        Report("Program+verify", programs, programResult);
    }

    const double cpu0 = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    b.Idle(idleSeconds);
    const double cpu = CpuSeconds() - cpu0;
    const double seconds = wall.nsecsElapsed() * 1e-9;
    std::printf("idle monitoring: %.3f s CPU in %.1f s = %.2f %% of one core  target < 1 %%  %s "
                "(%ld ticks, %d%s)\n",
                cpu, seconds, 100 * cpu / seconds, 100 * cpu / seconds < 1 ? "ok" : "OVER",
                b.ticker.Ticks(), b.link.Live().speed,
                b.link.State().Connected ? " rpm, connected" : " rpm, NOT connected");
    b.ticker.Stop();
    return 0;
}

// monitor: the live values, one line per packet.

#include "cli_exit.h"
#include "cli_texts.h"
#include "device_io.h"
#include "monitor_format.h"

int RunMonitor(const TCliOptions& o, TDeviceIo io) {
    TDeviceSession session(SettingsOf(o, io), io.err);
    if (!OpenSession(session, io)) return ExitPortError;
    const Translator tr = CliTranslator(o.lang);
    if (o.csv) io.out << MonitorCsvHeader() << '\n' << std::flush;
    int printed = 0;
    bool versionWarned = false;
    const int code = session.Monitor([&] {
        const TLiveValues& live = session.Engine().Live();
        if (!live.VersionMatches() && !versionWarned) {
            io.err << VersionMismatchText(live.firmwareVersion, live.firmwareSubVersion, tr)
                   << '\n';
            versionWarned = true;
        }
        io.out << (o.csv ? MonitorCsvRow(live) : MonitorLine(live, session.Engine().Labels(), tr))
               << '\n'
               << std::flush;
        return o.count == 0 || ++printed < o.count;
    });
    // Interrupting is the normal end of an endless monitor.
    return code == ExitInterrupted ? ExitOk : code;
}

#include "device_commands.h"

#include "cli_exit.h"
#include "cli_texts.h"
#include "device_session.h"
#include "image_load.h"
#include "monitor_format.h"

#include "files/param_file_format.h"

namespace {

TSessionSettings SettingsOf(const TCliOptions& o, const TDeviceIo& io) {
    return {o.port, o.lang, o.timeoutSeconds, io.progress};
}

bool OpenSession(TDeviceSession& session, TDeviceIo& io) {
    std::string message;
    if (session.Open(message)) return true;
    io.err << message << '\n';
    return false;
}

int Report(const TOperationResult& r, TDeviceIo& io) {
    io.err << r.message << '\n';
    return r.exitCode;
}

// The footer names the unit the parameters came from.
TParamFileFooter FooterOf(const TDeviceSession& session) {
    TParamFileFooter footer = DefaultParamFileFooter();
    const TUnitInfo& unit = session.Engine().UnitInfo();
    footer.hexDate = unit.Date();
    footer.hexTime = unit.Time();
    footer.hexName = unit.Name();
    return footer;
}

// The reserved bytes belong to the unit and no file carries them.  The window
// sends the ones its image got from the last read; a fresh program has none,
// so it reads them from the unit first instead of overwriting them with zeros
// (which would also make every verify of a correct file fail).
// Returns the read's exit code when it did not get all five blocks.
int TakeUnitReservedBytes(TDeviceSession& session, TParamImage& image, TDeviceIo& io) {
    const TOperationResult read = session.Run(DeviceOp::Read);
    if (!read.blocksRead) return Report(read, io);
    for (const auto& [name, field] : kAllFields)
        if (field.rule == Encoding::Reserved)
            for (int i = 0; i < field.count; ++i)
                image.set(field, i, session.Image().get(field, i));
    return ExitOk;
}

// After a Program the unit stores the parameters for a while; it must not lose
// power meanwhile, so the command ends only when the unit reports the store
// done (the window shows "Saving:" for the same reason).
int WaitWhileSaving(TDeviceSession& session, const TCliOptions& o, TDeviceIo& io) {
    return session.Monitor([&] {
        const int countdown = session.Engine().Live().savingCountdown;
        if (io.progress && countdown != 0)
            io.err << CliText("Saving:", o.lang) << ' ' << SavingProgress(countdown) << "%\n"
                   << std::flush;
        return countdown != 0;
    });
}

// Program and verify send the file as the window would after opening it.
int RunWithFile(const TCliOptions& o, TDeviceIo io, DeviceOp op) {
    const TImageLoad loaded = OpenParamImage(o.files.at(0), LoadMode::AsOpened, o.lang);
    for (const auto& m : loaded.messages) io.err << m << '\n';
    if (!loaded.image) return loaded.exitCode;
    TDeviceSession session(SettingsOf(o, io), io.err);
    if (!OpenSession(session, io)) return ExitPortError;
    TParamImage image = *loaded.image;
    if (const int code = TakeUnitReservedBytes(session, image, io); code != ExitOk) return code;
    session.Image() = image;
    const TOperationResult r = session.Run(op);
    if (r.exitCode == ExitOk && op == DeviceOp::Program) {
        if (const int code = WaitWhileSaving(session, o, io); code != ExitOk) return code;
    }
    return Report(r, io);
}

} // namespace

int RunRead(const TCliOptions& o, TDeviceIo io) {
    // Refuse before the transfer, not after it, when the file cannot be made.
    if (!CanCreateFile(o.output)) {
        io.err << o.output << ": " << FileMessageText(kMsgOpenFileError, o.lang) << '\n';
        return ExitFileError;
    }
    TDeviceSession session(SettingsOf(o, io), io.err);
    if (!OpenSession(session, io)) return ExitPortError;
    const TOperationResult r = session.Run(DeviceOp::Read);
    if (r.exitCode != ExitOk) return Report(r, io);
    // Only a read whose verify pass ended well reaches the file.
    const TImageSave saved = SaveParamImage(o.output, session.Image(), FooterOf(session), o.lang);
    if (!saved.saved) {
        io.err << saved.message << '\n';
        return ExitFileError;
    }
    return Report(r, io);
}

int RunProgram(const TCliOptions& o, TDeviceIo io) {
    return RunWithFile(o, io, DeviceOp::Program);
}

int RunVerify(const TCliOptions& o, TDeviceIo io) {
    return RunWithFile(o, io, DeviceOp::Verify);
}

int RunReset(const TCliOptions& o, TDeviceIo io) {
    TDeviceSession session(SettingsOf(o, io), io.err);
    if (!OpenSession(session, io)) return ExitPortError;
    return Report(session.Run(DeviceOp::Reset), io);
}

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

int RunDeviceCommand(const TCliOptions& o, TDeviceIo io) {
    switch (o.command) {
    case CliCommand::Read: return RunRead(o, io);
    case CliCommand::Program: return RunProgram(o, io);
    case CliCommand::Verify: return RunVerify(o, io);
    case CliCommand::Reset: return RunReset(o, io);
    case CliCommand::Monitor: return RunMonitor(o, io);
    default: return ExitUsage;
    }
}

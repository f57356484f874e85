// program and verify: a file, opened as the window opens it, against the unit.

#include "cli_exit.h"
#include "cli_texts.h"
#include "device_io.h"
#include "image_load.h"

namespace {

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

int RunProgram(const TCliOptions& o, TDeviceIo io) {
    return RunWithFile(o, io, DeviceOp::Program);
}

int RunVerify(const TCliOptions& o, TDeviceIo io) {
    return RunWithFile(o, io, DeviceOp::Verify);
}

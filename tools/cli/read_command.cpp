// read: the unit's parameters into a file, only after the verify pass.

#include "cli_exit.h"
#include "cli_texts.h"
#include "device_io.h"
#include "image_load.h"

#include "files/param_file_format.h"

namespace {

// The footer names the unit the parameters came from.
TParamFileFooter FooterOf(const TDeviceSession& session) {
    TParamFileFooter footer = DefaultParamFileFooter();
    const TUnitInfo& unit = session.Engine().UnitInfo();
    footer.hexDate = unit.Date();
    footer.hexTime = unit.Time();
    footer.hexName = unit.Name();
    return footer;
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

#include "cli_exit.h"
#include "device_io.h"

int RunReset(const TCliOptions& o, TDeviceIo io) {
    TDeviceSession session(SettingsOf(o, io), io.err);
    if (!OpenSession(session, io)) return ExitPortError;
    return Report(session.Run(DeviceOp::Reset), io);
}

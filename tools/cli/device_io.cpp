#include "device_io.h"

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

#pragma once
// What every unit command shares: its session settings, opening the port and
// the final report.

#include "cli_options.h"
#include "device_commands.h"
#include "device_session.h"

TSessionSettings SettingsOf(const TCliOptions& o, const TDeviceIo& io);

// Opens the port; on failure the message is on io.err.
bool OpenSession(TDeviceSession& session, TDeviceIo& io);

// Writes the result's words to io.err and returns its exit code.
int Report(const TOperationResult& r, TDeviceIo& io);

#pragma once
// The commands that talk to the unit: read, program, verify, reset, monitor.
// Live values and results go to out, messages to err; each returns a CliExit
// code.  Needs a QCoreApplication.

#include "cli_options.h"

#include <ostream>

struct TDeviceIo {
    std::ostream& out;
    std::ostream& err;
    bool progress = false; // progress lines on err (a terminal)
};

int RunRead(const TCliOptions& o, TDeviceIo io);
int RunProgram(const TCliOptions& o, TDeviceIo io);
int RunVerify(const TCliOptions& o, TDeviceIo io);
int RunReset(const TCliOptions& o, TDeviceIo io);
int RunMonitor(const TCliOptions& o, TDeviceIo io);

// Dispatches a unit command; other commands are not handled here.
int RunDeviceCommand(const TCliOptions& o, TDeviceIo io);

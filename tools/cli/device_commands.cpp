#include "device_commands.h"

#include "cli_exit.h"

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

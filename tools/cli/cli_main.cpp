// ardentix-cli: reads, programs and checks the unit, and works on .ign files.

#include "cli_exit.h"
#include "cli_help.h"
#include "cli_options.h"
#include "device_commands.h"
#include "device_session.h"
#include "file_commands.h"

#include <QCoreApplication>

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const TCliParse parsed = ParseCliOptions(args);
    if (!parsed.options) {
        std::cerr << "ardentix-cli: " << parsed.error << "\nTry 'ardentix-cli --help'.\n";
        return ExitUsage;
    }
    const TCliOptions& o = *parsed.options;
    if (o.command == CliCommand::Help) {
        std::cout << kCliHelp;
        return ExitOk;
    }
    if (!NeedsPort(o.command)) return RunFileCommand(o, std::cout, std::cerr);

    QCoreApplication app(argc, argv);
    InstallInterruptHandlers();
    return RunDeviceCommand(o, {std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1});
}

#pragma once
// The command line of ardentix-cli as plain data.

#include <optional>
#include <string>
#include <vector>

enum class CliCommand {
    Help,
    Read,
    Program,
    Verify,
    Reset,
    Monitor,
    Convert,
    New,
    Show,
    Diff,
};

inline constexpr int kDefaultTimeoutSeconds = 30;

struct TCliOptions {
    CliCommand command = CliCommand::Help;
    std::string port;                            // --port DEVICE
    int lang = 0;                                // --lang en|de|fr|cs, as a LangIndex
    int timeoutSeconds = kDefaultTimeoutSeconds; // --timeout S
    std::vector<std::string> files;              // the command's file arguments
    std::string output;                          // -o FILE
    int count = 0;                               // monitor --count N; 0 runs until interrupted
    bool csv = false;                            // monitor --csv
    bool pinned = false;                         // show/diff --pinned: load as program does
};

struct TCliParse {
    std::optional<TCliOptions> options;
    std::string error; // set when options is empty
};

// Parses the arguments without the program name.  Options may stand before
// or after the command; "--name=value" equals "--name value"; after "--"
// every argument is taken as a command or file name.
TCliParse ParseCliOptions(const std::vector<std::string>& args);

// Language index of "en", "de", "fr" or "cs"; nothing for any other text.
std::optional<int> CliLanguage(const std::string& code);

// True for the commands that talk to a unit.
bool NeedsPort(CliCommand command);

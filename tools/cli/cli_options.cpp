#include "cli_options.h"

#include "lang/lang_index.h"

#include <charconv>
#include <string_view>

namespace {

struct CommandRule {
    const char* name;
    CliCommand command;
    int files;   // exact number of file arguments
    bool output; // takes -o FILE (and needs it)
};

constexpr CommandRule kCommands[] = {
    {"help", CliCommand::Help, 0, false},       {"read", CliCommand::Read, 0, true},
    {"program", CliCommand::Program, 1, false}, {"verify", CliCommand::Verify, 1, false},
    {"reset", CliCommand::Reset, 0, false},     {"monitor", CliCommand::Monitor, 0, false},
    {"convert", CliCommand::Convert, 1, true},  {"new", CliCommand::New, 0, true},
    {"show", CliCommand::Show, 1, false},       {"diff", CliCommand::Diff, 2, false},
};

const CommandRule* FindCommand(std::string_view name) {
    for (const auto& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

// A whole decimal number in lo..hi, nothing else.
std::optional<int> ToInt(const std::string& s, int lo, int hi) {
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    if (value < lo || value > hi) return std::nullopt;
    return value;
}

bool TakesValue(std::string_view opt) {
    return opt == "--port" || opt == "--lang" || opt == "--timeout" || opt == "-o" ||
           opt == "--output" || opt == "--count";
}

struct Raw {
    std::vector<std::string> words;
    bool help = false;
    bool sawOutput = false, sawCount = false, sawCsv = false, sawPinned = false;
};

// Applies one option; returns an error text or "".
std::string ApplyOption(std::string_view opt, const std::string& value, TCliOptions& o, Raw& raw) {
    if (opt == "--help" || opt == "-h") {
        raw.help = true;
    } else if (opt == "--csv") {
        o.csv = raw.sawCsv = true;
    } else if (opt == "--pinned") {
        o.pinned = raw.sawPinned = true;
    } else if (opt == "--port") {
        if (value.empty()) return "--port needs a device";
        o.port = value;
    } else if (opt == "--lang") {
        const auto lang = CliLanguage(value);
        if (!lang) return "unknown language '" + value + "' (use en, de, fr or cs)";
        o.lang = *lang;
    } else if (opt == "--timeout") {
        const auto t = ToInt(value, 1, 3600);
        if (!t) return "--timeout needs whole seconds from 1 to 3600, not '" + value + "'";
        o.timeoutSeconds = *t;
    } else if (opt == "-o" || opt == "--output") {
        if (value.empty()) return std::string(opt) + " needs a file name";
        o.output = value;
        raw.sawOutput = true;
    } else if (opt == "--count") {
        const auto n = ToInt(value, 1, 1000000);
        if (!n) return "--count needs a number from 1 to 1000000, not '" + value + "'";
        o.count = *n;
        raw.sawCount = true;
    } else {
        return "unknown option " + std::string(opt);
    }
    return {};
}

TCliParse Fail(std::string error) {
    return {std::nullopt, std::move(error)};
}

// Checks the options that belong to one command only.
std::string CheckCommandOptions(const CommandRule& rule, const Raw& raw) {
    const CliCommand c = rule.command;
    if (raw.sawOutput && !rule.output) return std::string(rule.name) + " takes no -o";
    if (!raw.sawOutput && rule.output) return std::string(rule.name) + " needs -o FILE";
    if ((raw.sawCount || raw.sawCsv) && c != CliCommand::Monitor)
        return "--count and --csv belong to monitor";
    if (raw.sawPinned && c != CliCommand::Show && c != CliCommand::Diff)
        return "--pinned belongs to show and diff";
    return {};
}

} // namespace

std::optional<int> CliLanguage(const std::string& code) {
    if (code == "en") return LangEnglish;
    if (code == "de") return LangGerman;
    if (code == "fr") return LangFrench;
    if (code == "cs") return LangCzech;
    return std::nullopt;
}

bool NeedsPort(CliCommand command) {
    switch (command) {
    case CliCommand::Read:
    case CliCommand::Program:
    case CliCommand::Verify:
    case CliCommand::Reset:
    case CliCommand::Monitor: return true;
    default: return false;
    }
}

TCliParse ParseCliOptions(const std::vector<std::string>& args) {
    TCliOptions o;
    Raw raw;
    bool wordsOnly = false; // after "--" every argument is a word, e.g. a file "-x.ign"
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!wordsOnly && a == "--") {
            wordsOnly = true;
            continue;
        }
        if (wordsOnly || a.size() < 2 || a[0] != '-') {
            raw.words.push_back(a);
            continue;
        }
        std::string opt = a, value;
        if (const auto eq = a.find('='); eq != std::string::npos && a.rfind("--", 0) == 0) {
            opt = a.substr(0, eq);
            value = a.substr(eq + 1);
            if (!TakesValue(opt)) return Fail(opt + " takes no value");
        } else if (TakesValue(opt)) {
            if (i + 1 >= args.size()) return Fail("missing value after " + opt);
            value = args[++i];
        }
        if (auto error = ApplyOption(opt, value, o, raw); !error.empty()) return Fail(error);
    }
    if (raw.help || raw.words.empty()) {
        o.command = CliCommand::Help;
        return {o, {}};
    }
    const CommandRule* rule = FindCommand(raw.words.front());
    if (!rule) return Fail("unknown command '" + raw.words.front() + "'");
    o.command = rule->command;
    o.files.assign(raw.words.begin() + 1, raw.words.end());
    if (int(o.files.size()) != rule->files) {
        return Fail(std::string(rule->name) + " takes " + std::to_string(rule->files) +
                    (rule->files == 1 ? " file" : " files") + ", not " +
                    std::to_string(o.files.size()));
    }
    if (auto error = CheckCommandOptions(*rule, raw); !error.empty()) return Fail(error);
    if (NeedsPort(o.command) && o.port.empty())
        return Fail(std::string(rule->name) + " needs --port DEVICE");
    return {o, {}};
}

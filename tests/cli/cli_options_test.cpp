// The command line: what each command accepts and what it refuses.

#include "cli_options.h"

#include "lang/lang_index.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::string>;

TCliOptions Parsed(const Args& args) {
    const TCliParse p = ParseCliOptions(args);
    EXPECT_TRUE(p.options.has_value()) << p.error;
    return p.options.value_or(TCliOptions{});
}

TEST(CliOptions, DeviceCommandsTakeTheirFilesAndPort) {
    const TCliOptions read = Parsed({"--port", "/dev/ttyUSB0", "read", "-o", "out.ign"});
    EXPECT_EQ(read.command, CliCommand::Read);
    EXPECT_EQ(read.port, "/dev/ttyUSB0");
    EXPECT_EQ(read.output, "out.ign");
    EXPECT_TRUE(read.files.empty());

    // Options may follow the command, and --name=value is the same as two words.
    const TCliOptions program = Parsed({"program", "a.ign", "--port=/dev/pts/3", "--lang", "cs"});
    EXPECT_EQ(program.command, CliCommand::Program);
    EXPECT_EQ(program.files, Args{"a.ign"});
    EXPECT_EQ(program.port, "/dev/pts/3");
    EXPECT_EQ(program.lang, LangCzech);

    const TCliOptions monitor =
        Parsed({"monitor", "--count", "3", "--csv", "--port", "p", "--timeout=5"});
    EXPECT_EQ(monitor.command, CliCommand::Monitor);
    EXPECT_EQ(monitor.count, 3);
    EXPECT_TRUE(monitor.csv);
    EXPECT_EQ(monitor.timeoutSeconds, 5);

    const TCliOptions endless = Parsed({"monitor", "--port", "p"});
    EXPECT_EQ(endless.count, 0);
    EXPECT_EQ(endless.timeoutSeconds, kDefaultTimeoutSeconds);
    EXPECT_EQ(endless.lang, LangEnglish);
}

TEST(CliOptions, FileCommandsNeedNoPort) {
    const TCliOptions diff = Parsed({"diff", "a.ign", "b.ign", "--pinned"});
    EXPECT_EQ(diff.command, CliCommand::Diff);
    EXPECT_EQ(diff.files, (Args{"a.ign", "b.ign"}));
    EXPECT_TRUE(diff.pinned);

    const TCliOptions convert = Parsed({"convert", "old.ign", "--output", "new.ign"});
    EXPECT_EQ(convert.command, CliCommand::Convert);
    EXPECT_EQ(convert.files, Args{"old.ign"});
    EXPECT_EQ(convert.output, "new.ign");

    EXPECT_EQ(Parsed({"new", "-o", "x.ign"}).command, CliCommand::New);
    // "--" ends the options, so a file may start with a dash.
    EXPECT_EQ(Parsed({"show", "--", "-odd.ign"}).files, Args{"-odd.ign"});
    EXPECT_EQ(Parsed({"show", "x.ign", "--lang", "fr"}).lang, LangFrench);
}

TEST(CliOptions, HelpWinsAndIsTheDefault) {
    EXPECT_EQ(Parsed({}).command, CliCommand::Help);
    EXPECT_EQ(Parsed({"help"}).command, CliCommand::Help);
    // --help with an incomplete command still shows the help.
    EXPECT_EQ(Parsed({"read", "--help"}).command, CliCommand::Help);
    EXPECT_EQ(Parsed({"-h"}).command, CliCommand::Help);
}

struct BadCase {
    Args args;
    const char* errorPart;
};

TEST(CliOptions, RefusesWhatACommandCannotUse) {
    const BadCase cases[] = {
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{"read", "-o", "x.ign"}, "read needs --port DEVICE"},
        {{"read", "--port", "p"}, "read needs -o FILE"},
        {{"reset", "--port", "p", "-o", "x.ign"}, "reset takes no -o"},
        {{"program", "--port", "p"}, "program takes 1 file, not 0"},
        {{"program", "a.ign", "b.ign", "--port", "p"}, "program takes 1 file, not 2"},
        {{"diff", "a.ign"}, "diff takes 2 files, not 1"},
        {{"convert", "a.ign"}, "convert needs -o FILE"},
        {{"new", "-o"}, "missing value after -o"},
        {{"show", "a.ign", "--csv"}, "--count and --csv belong to monitor"},
        {{"read", "--port", "p", "-o", "x", "--pinned"}, "--pinned belongs to show and diff"},
        {{"monitor", "--port", "p", "--count", "0"}, "--count needs a number"},
        {{"monitor", "--port", "p", "--count", "3x"}, "--count needs a number"},
        {{"monitor", "--port", "p", "--timeout", "-1"}, "--timeout needs whole seconds"},
        {{"show", "a.ign", "--lang", "english"}, "unknown language 'english'"},
        {{"show", "a.ign", "--verbose"}, "unknown option --verbose"},
        {{"show", "a.ign", "--csv=1"}, "--csv takes no value"},
        {{"monitor", "--port="}, "--port needs a device"},
    };
    for (const auto& c : cases) {
        const TCliParse p = ParseCliOptions(c.args);
        EXPECT_FALSE(p.options.has_value()) << c.errorPart;
        EXPECT_NE(p.error.find(c.errorPart), std::string::npos)
            << "expected '" << c.errorPart << "', got '" << p.error << "'";
    }
}

TEST(CliOptions, LanguageCodes) {
    EXPECT_EQ(CliLanguage("en"), LangEnglish);
    EXPECT_EQ(CliLanguage("de"), LangGerman);
    EXPECT_EQ(CliLanguage("fr"), LangFrench);
    EXPECT_EQ(CliLanguage("cs"), LangCzech);
    EXPECT_FALSE(CliLanguage("cz").has_value());
    EXPECT_FALSE(CliLanguage("").has_value());
}

} // namespace

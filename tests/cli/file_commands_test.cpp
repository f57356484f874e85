// new, show, diff and convert on real files in a private folder.

#include "cli_exit.h"
#include "cli_options.h"
#include "field_format.h"
#include "file_commands.h"
#include "image_compare.h"
#include "image_load.h"
#include "temp_dir.h"
#include "text_lines.h"

#include "files/param_file_writer.h"
#include "model/presets.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct RunResult {
    int code = -1;
    std::string out, err;
};

class CliFileCommands : public ::testing::Test {
  protected:
    RunResult Run(const std::vector<std::string>& args) {
        const TCliParse p = ParseCliOptions(args);
        EXPECT_TRUE(p.options) << p.error;
        if (!p.options) return {};
        std::ostringstream out, err;
        RunResult r;
        r.code = RunFileCommand(*p.options, out, err);
        r.out = out.str();
        r.err = err.str();
        return r;
    }

    std::string WriteImage(const std::string& name, const TParamImage& image) {
        const std::string path = dir.File(name);
        WriteText(path, ParamFileWriter(image, DefaultParamFileFooter()));
        return path;
    }

    TParamImage Loaded(const std::string& path, LoadMode mode = LoadMode::AsFile) {
        const TImageLoad l = OpenParamImage(path, mode, 0);
        EXPECT_TRUE(l.image) << path;
        return l.image.value_or(TParamImage{});
    }

    TTempDir dir;
};

TEST_F(CliFileCommands, NewWritesTheStartUpImageWithItsPinnedValues) {
    const std::string path = dir.File("new.ign");
    const RunResult r = Run({"new", "-o", path});
    ASSERT_EQ(r.code, ExitOk) << r.err;
    EXPECT_TRUE(r.err.empty());

    const TParamImage start = CliStartImage();
    // The preset of code 20 set the trigger system, and the edition pins the
    // special setting over it.
    const BikePreset* preset = PresetForCode(20);
    ASSERT_NE(preset, nullptr);
    EXPECT_EQ(start.get(Field::SyncMethod), preset->method);
    EXPECT_EQ(start.get(Field::LobeCount), preset->lobes);
    EXPECT_EQ(start.get(Field::BikeCode), kBikeCodeSpecial);

    const std::string text = ReadText(path);
    EXPECT_EQ(text.rfind("VELDRONA_KEY   97 ", 0), 0u);
    EXPECT_TRUE(Contains(text, "\r\nBIKE           22 "));
    // Opening what new wrote gives the start image back.
    EXPECT_TRUE(SameImage(Loaded(path, LoadMode::AsOpened), start));
}

TEST_F(CliFileCommands, ShowPrintsEveryFieldInDisplayUnits) {
    TParamImage image = CliStartImage();
    image.set(Field::Limiter, 123);              // hundreds of rpm
    image.set(Field::CylCorrection, 2, 100 - 5); // -5 degrees
    image.set(Field::ClutchTime, 12);            // tens of ms
    const RunResult r = Run({"show", WriteImage("a.ign", image)});
    ASSERT_EQ(r.code, ExitOk) << r.err;
    const auto lines = Lines(r.out);

    for (const auto& [name, field] : kAllFields) {
        const std::string prefix = field.count == kMapRows * kMapColumns ? std::string(name) + "[9]"
                                                                         : std::string(name) + " ";
        bool found = false;
        for (const auto& l : lines) found = found || l.rfind(prefix, 0) == 0;
        EXPECT_TRUE(found) << name;
    }
    auto line = [&](const std::string& name) {
        for (const auto& l : lines)
            if (l.rfind(name + " ", 0) == 0) return l;
        return std::string();
    };
    EXPECT_EQ(line("Limiter"), "Limiter                = 12300");
    EXPECT_EQ(line("ClutchTime"), "ClutchTime             = 120");
    EXPECT_TRUE(Contains(line("CylCorrection"), "= 0 0 -5 0")) << line("CylCorrection");
    // Ten map rows of fifteen values each.
    const std::string row0 = line("AdvanceMap[0]");
    EXPECT_EQ(Lines(row0).size(), 1u);
    std::istringstream values(row0.substr(row0.find('=') + 1));
    int n = 0;
    for (int v; values >> v;) ++n;
    EXPECT_EQ(n, kMapColumns);
}

TEST_F(CliFileCommands, ShowPinnedShowsWhatProgramWouldSend) {
    TParamImage image = CliStartImage();
    image.set(Field::BikeCode, 20);
    const std::string path = WriteImage("bike20.ign", image);
    EXPECT_TRUE(Contains(Run({"show", path}).out, "BikeCode               = 20\n"));
    EXPECT_TRUE(Contains(Run({"show", path, "--pinned"}).out, "BikeCode               = 22\n"));
}

TEST_F(CliFileCommands, DiffNamesEachDifferingElementWithBothValues) {
    const TParamImage a = CliStartImage();
    TParamImage b = a;
    b.set(Field::Limiter, a.get(Field::Limiter) + 13);
    const int cell = MapCell(Field::AdvanceMap, 3, 4) - Field::AdvanceMap.offset;
    b.set(Field::AdvanceMap, cell, a.get(Field::AdvanceMap, cell) + 5);
    const std::string pa = WriteImage("a.ign", a), pb = WriteImage("b.ign", b);

    const RunResult same = Run({"diff", pa, pa});
    EXPECT_EQ(same.code, ExitOk);
    EXPECT_TRUE(same.out.empty());

    const RunResult r = Run({"diff", pa, pb});
    EXPECT_EQ(r.code, ExitDifferent);
    const int limA = 100 * a.get(Field::Limiter), limB = limA + 1300;
    const int advA = a.get(Field::AdvanceMap, cell) - 100;
    const std::vector<std::string> expected = {
        DifferenceLine({"Limiter", limA, limB}),
        DifferenceLine({"AdvanceMap[3,4]", advA, advA + 5}),
    };
    EXPECT_EQ(Lines(r.out), expected);
    EXPECT_TRUE(Contains(r.out, "Limiter ")) << r.out;
}

struct BadFileCase {
    const char* name;
    const char* text; // nullptr: the file does not exist
    std::vector<std::string> extraArgs;
    int code;
    const char* message;
};

TEST_F(CliFileCommands, BadFilesAreNamedAndNothingIsWritten) {
    const BadFileCase cases[] = {
        {"missing.ign", nullptr, {}, ExitFileError, "Open file error!"},
        {"missing.ign", nullptr, {"--lang", "de"}, ExitFileError, "Fehler beim öffnen der Datei!"},
        {"plain.ign",
         "just some text\nLIMITER 120\n",
         {},
         ExitFileVersion,
         "no VELDRONA_KEY found"},
        {"v42.ign",
         "VELDRONA_KEY 42 ZORVEL/x\nLIMITER 120\n",
         {},
         ExitFileVersion,
         "Unmatched version of *.ign file!"},
        {"v42.ign",
         "VELDRONA_KEY 42 ZORVEL/x\n",
         {"--lang", "cs"},
         ExitFileVersion,
         "Neshodná verze souboru *.ign!"},
    };
    for (const auto& c : cases) {
        const std::string in = dir.File(c.name);
        if (c.text) WriteText(in, c.text);
        const std::string out = dir.File("out.ign");
        WriteText(out, "previous contents");
        for (const auto& command :
             {std::vector<std::string>{"show", in},
              std::vector<std::string>{"diff", WriteImage("ok.ign", CliStartImage()), in},
              std::vector<std::string>{"convert", in, "-o", out}}) {
            auto args = command;
            args.insert(args.end(), c.extraArgs.begin(), c.extraArgs.end());
            const RunResult r = Run(args);
            EXPECT_EQ(r.code, c.code) << c.name << " " << command[0];
            EXPECT_TRUE(Contains(r.err, in + ": ")) << r.err;
            EXPECT_TRUE(Contains(r.err, c.message)) << c.name << ": " << r.err;
            EXPECT_TRUE(r.out.empty());
        }
        EXPECT_EQ(ReadText(out), "previous contents") << c.name;
    }
}

// A version-95 file: ten speed breakpoints and a 10 x 10 advance map.
std::string Version95File() {
    std::string text = "VELDRONA_KEY  95 ZORVEL/Programming of Ardentix unit\n\n"
                       "BIKE 20 0 5 2  1 1 0 2 1 0  0 0 0 0 0 0  0 0 0 0 0 0  0 0 0 0 0 0  "
                       "2 11 11 11 0\nLIMITER 123\nRPM_ADV";
    for (int rpm : {1500, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000})
        text += " " + std::to_string(rpm);
    text += "\nADVANCE";
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 10; ++col) text += " " + std::to_string(row + 2 * col);
    return text + "\n";
}

TEST_F(CliFileCommands, ConvertBringsAnOlderFileUpToDate) {
    const std::string in = dir.File("old.ign"), out = dir.File("new.ign");
    WriteText(in, Version95File());
    const RunResult r = Run({"convert", in, "-o", out});
    ASSERT_EQ(r.code, ExitOk) << r.err;
    EXPECT_TRUE(Contains(r.err, "Older or another version of *.ign file!")) << r.err;

    const std::string text = ReadText(out);
    EXPECT_EQ(text.rfind("VELDRONA_KEY   97 ", 0), 0u);
    // Opening the new file gives what opening the old one gives.
    const TParamImage image = Loaded(out, LoadMode::AsOpened);
    EXPECT_TRUE(SameImage(image, Loaded(in, LoadMode::AsOpened)));
    EXPECT_EQ(image.get(Field::BikeCode), kBikeCodeSpecial);
    EXPECT_EQ(image.get(Field::Limiter), 123);
    EXPECT_EQ(image.get(Field::AdvColumns), 10);
    for (int col = 10; col < kMapColumns; ++col) {
        EXPECT_EQ(image.get(Field::AdvSpeedAxis, col), 100 + col - 9);
        for (int row = 0; row < kMapRows; ++row)
            EXPECT_EQ(image[MapCell(Field::AdvanceMap, row, col)],
                      image[MapCell(Field::AdvanceMap, row, 9)]);
    }
    // A second conversion changes nothing any more.
    const std::string again = dir.File("again.ign");
    const RunResult r2 = Run({"convert", out, "-o", again});
    EXPECT_EQ(r2.code, ExitOk);
    EXPECT_TRUE(r2.err.empty()) << r2.err;
    EXPECT_EQ(ReadText(again), text);
}

TEST_F(CliFileCommands, AFileThatCannotBeWrittenIsReported) {
    const std::string in = WriteImage("a.ign", CliStartImage());
    const std::string out = dir.File("no-such-folder/out.ign");
    for (const auto& args : {std::vector<std::string>{"convert", in, "-o", out},
                             std::vector<std::string>{"new", "-o", out}}) {
        const RunResult r = Run(args);
        EXPECT_EQ(r.code, ExitFileError);
        EXPECT_TRUE(Contains(r.err, out + ": Open file error!")) << r.err;
    }
}

} // namespace

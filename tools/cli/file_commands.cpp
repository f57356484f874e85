#include "file_commands.h"

#include "cli_exit.h"
#include "field_format.h"
#include "image_load.h"

namespace {

LoadMode InspectMode(const TCliOptions& o) {
    return o.pinned ? LoadMode::AsOpened : LoadMode::AsFile;
}

// Loads one file, passing its messages on; nothing when it failed.
std::optional<TParamImage> Load(const std::string& path, LoadMode mode, const TCliOptions& o,
                                std::ostream& err, int& exitCode) {
    TImageLoad loaded = OpenParamImage(path, mode, o.lang);
    for (const auto& m : loaded.messages) err << m << '\n';
    exitCode = loaded.exitCode;
    return loaded.image;
}

int Save(const std::string& path, const TParamImage& image, const TCliOptions& o,
         std::ostream& err) {
    const TImageSave saved = SaveParamImage(path, image, DefaultParamFileFooter(), o.lang);
    if (saved.saved) return ExitOk;
    err << saved.message << '\n';
    return ExitFileError;
}

} // namespace

int RunNew(const TCliOptions& o, std::ostream&, std::ostream& err) {
    return Save(o.output, CliStartImage(), o, err);
}

int RunShow(const TCliOptions& o, std::ostream& out, std::ostream& err) {
    int code = ExitOk;
    const auto image = Load(o.files.at(0), InspectMode(o), o, err, code);
    if (!image) return code;
    for (const auto& line : ShowLines(*image)) out << line << '\n';
    return ExitOk;
}

int RunDiff(const TCliOptions& o, std::ostream& out, std::ostream& err) {
    int code = ExitOk;
    const auto a = Load(o.files.at(0), InspectMode(o), o, err, code);
    if (!a) return code;
    const auto b = Load(o.files.at(1), InspectMode(o), o, err, code);
    if (!b) return code;
    const auto differences = DiffFields(*a, *b);
    for (const auto& d : differences) out << DifferenceLine(d) << '\n';
    return differences.empty() ? ExitOk : ExitDifferent;
}

int RunConvert(const TCliOptions& o, std::ostream&, std::ostream& err) {
    int code = ExitOk;
    const auto image = Load(o.files.at(0), LoadMode::AsOpened, o, err, code);
    if (!image) return code;
    return Save(o.output, *image, o, err);
}

int RunFileCommand(const TCliOptions& o, std::ostream& out, std::ostream& err) {
    switch (o.command) {
    case CliCommand::New: return RunNew(o, out, err);
    case CliCommand::Show: return RunShow(o, out, err);
    case CliCommand::Diff: return RunDiff(o, out, err);
    case CliCommand::Convert: return RunConvert(o, out, err);
    default: return ExitUsage;
    }
}

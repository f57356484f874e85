#include "image_load.h"

#include "cli_exit.h"
#include "cli_texts.h"

#include "files/param_file_format.h"
#include "files/param_file_load.h"
#include "model/defaults.h"
#include "model/normalise.h"
#include "model/page_values.h"

#include <filesystem>
#include <unistd.h>

TParamImage CliStartImage() {
    TParamImage image = StartupImage();
    ApplyEditionPins(image);
    return image;
}

TImageLoad OpenParamImage(const std::string& path, LoadMode mode, int lang) {
    TImageLoad out;
    TParamImage image = CliStartImage();
    const TParamLoadOutcome loaded = LoadParamFile(path, image, PageSelection::All());
    for (const auto& key : loaded.messages)
        out.messages.push_back(path + ": " + FileMessageText(key, lang));
    if (!loaded.opened) {
        out.exitCode = ExitFileError;
        return out;
    }
    if (!loaded.accepted()) {
        // A file without the magic word loads nothing; the window stays silent,
        // but a script must learn why nothing happened.
        if (loaded.messages.empty())
            out.messages.push_back(path + ": no " + std::string(kParamFileMagic) +
                                   " found, not a parameter file");
        out.exitCode = ExitFileVersion;
        return out;
    }
    if (mode == LoadMode::AsOpened)
        ApplyEditionPins(image);
    else
        NormaliseImage(image);
    out.image = image;
    return out;
}

TImageSave SaveParamImage(const std::string& path, const TParamImage& image,
                          const TParamFileFooter& footer, int lang) {
    TImageSave out;
    const TParamSaveOutcome saved = SaveParamFile(path, image, footer);
    out.saved = saved.saved;
    if (!saved.saved) {
        const std::string key =
            saved.messages.empty() ? std::string(kMsgOpenFileError) : saved.messages.front();
        out.message = path + ": " + FileMessageText(key, lang);
    }
    return out;
}

bool CanCreateFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(path, ec)) return false;
    fs::path dir = fs::path(path).parent_path();
    if (dir.empty()) dir = ".";
    return fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK) == 0;
}

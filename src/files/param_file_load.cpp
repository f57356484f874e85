#include "files/param_file_load.h"

#include "files/file_io.h"
#include "files/param_file_format.h"
#include "files/param_file_reader.h"
#include "model/defaults.h"

TParamLoadOutcome LoadParamText(std::string_view text, TParamImage& img, PageSelection sel) {
    TParamLoadOutcome out;
    out.opened = true;
    TParamImage work = img;
    auto first = ParamFileReader(text, work, sel, true);
    out.messages = std::move(first.messages);
    if (first.version == 0) return out;

    ApplyDefaults(work, sel);
    auto second = ParamFileReader(text, work, sel, false);
    out.version = second.version;
    out.imageChanged = work != img;
    img = work;
    return out;
}

TParamLoadOutcome LoadParamFile(const std::string& path, TParamImage& img, PageSelection sel) {
    auto text = ReadWholeFile(path);
    if (!text) {
        TParamLoadOutcome out;
        out.messages.emplace_back(kMsgOpenFileError);
        return out;
    }
    return LoadParamText(*text, img, sel);
}

TParamSaveOutcome SaveParamFile(const std::string& path, const TParamImage& img,
                                const TParamFileFooter& footer) {
    TParamSaveOutcome out;
    out.saved = AtomicWriteFile(path, ParamFileWriter(img, footer));
    if (!out.saved) out.messages.emplace_back(kMsgOpenFileError);
    return out;
}

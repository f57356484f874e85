#pragma once
// Loading and saving a .ign parameter file as whole commands.

#include "files/param_file_writer.h"
#include "model/param_image.h"

#include <string>
#include <string_view>
#include <vector>

struct TParamLoadOutcome {
    bool opened = false;               // false: the file could not be read at all
    int version = 0;                   // accepted version; 0 when nothing was loaded
    std::vector<std::string> messages; // English message keys to show, in order
    bool imageChanged = false;         // the image differs from before the load
    // The caller refreshes every page from the image and runs ApplyChanges, then
    // remembers the path (caption, IniDir, history).
    bool accepted() const { return version != 0; }
};

// Loads file text into the image for the selected groups: a first pass for the
// version message and the file's bike code, the defaults of the selection, then a
// second pass whose values replace the defaults.  On a missing magic word or a
// refused version the image stays exactly as it was.
TParamLoadOutcome LoadParamText(std::string_view text, TParamImage& img, PageSelection sel);
TParamLoadOutcome LoadParamFile(const std::string& path, TParamImage& img, PageSelection sel);

struct TParamSaveOutcome {
    bool saved = false;
    std::vector<std::string> messages;
};

// Writes the (already normalised) image atomically: a failed save keeps the
// previous file and reports "Open file error!".
TParamSaveOutcome SaveParamFile(const std::string& path, const TParamImage& img,
                                const TParamFileFooter& footer);

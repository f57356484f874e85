#pragma once
// Parameter files in and out, the way the window's Open and Save treat them.

#include "files/param_file_writer.h"
#include "model/param_image.h"

#include <optional>
#include <string>
#include <vector>

// The image the program starts with: the factory defaults with the preset of
// bike code 20, and the values this edition pins.
TParamImage CliStartImage();

// How a file is taken in.
enum class LoadMode {
    AsFile,   // the file over the defaults, normalised: what the file says
    AsOpened, // the window's Open: also the pinned values of the Bike and
              // Miscellaneous pages, so the image is what Program sends
};

struct TImageLoad {
    std::optional<TParamImage> image;  // empty when nothing could be loaded
    int exitCode = 0;                  // a CliExit code when image is empty
    std::vector<std::string> messages; // translated; warnings may come with an image
};

// Loads a .ign file onto the start image, all page groups: the defaults of
// every group first, then the file, then normalisation (and the pins).
TImageLoad OpenParamImage(const std::string& path, LoadMode mode, int lang);

struct TImageSave {
    bool saved = false;
    std::string message; // translated, when not saved
};

// Writes the image atomically: a failed write leaves any previous file whole.
TImageSave SaveParamImage(const std::string& path, const TParamImage& image,
                          const TParamFileFooter& footer, int lang);

// True when a file can be created at path (its folder exists and is
// writable), so a long device operation is not started for nothing.
bool CanCreateFile(const std::string& path);

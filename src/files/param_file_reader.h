#pragma once
// Reads a .ign keyword file into the parameter image.

#include "model/param_image.h"

#include <string>
#include <string_view>
#include <vector>

struct TParamReadResult {
    int version = 0;                   // accepted file version; 0 when nothing was loaded
    std::vector<std::string> messages; // English message keys to show, in order
};

// Reads the whole file text from the magic word on.  Only fields of the selected
// page groups change.  Version messages are collected only when showMessages is
// set.  The image is left untouched when the magic word is missing or the version
// is refused.
TParamReadResult ParamFileReader(std::string_view text, TParamImage& img, PageSelection sel,
                                 bool showMessages);

// True for the versions the reader accepts.
bool IsAcceptedParamFileVersion(int version);

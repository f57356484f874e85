#pragma once
// Finding a text in a diagnostic log and taking the image stored after it.

#include "model/param_image.h"

#include <istream>
#include <string>
#include <string_view>

inline constexpr const char* kLogFindLoaded = "Loaded...";
inline constexpr const char* kLogFindNotFound = "Not found...";

struct TLogFindResult {
    bool found = false;
    TParamImage image;    // the 500 bytes after the line feed that follows the match
    std::string editText; // what the search field shows: "Loaded..." or "Not found..."
};

// Searches the log from its start for the first occurrence of needle (a matcher
// that misses no occurrence, even where the needle's beginning repeats inside
// it).  From the match's last character the first line feed within 65536 bytes
// must follow, and 500 bytes after it; otherwise the result is "Not found...".
TLogFindResult FindInLog(std::istream& log, std::string_view needle);
TLogFindResult FindInLogFile(const std::string& path, std::string_view needle);

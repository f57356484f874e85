#pragma once
// The diagnostic log of debug mode: a record with a binary copy of the image
// whenever the image has changed.

#include "model/param_image.h"

#include <array>
#include <cstdint>
#include <string>

inline constexpr const char* kDebugMarkerWord = "WOYE_NPZTON";
inline constexpr const char* kLogActionCleared = "cleared";

// True when the marker file holds the word exactly (case-sensitive) among its
// white-space separated words; false when it is missing.
bool DebugMarkerPresent(const std::string& markerPath);

struct TLogTime {
    int day = 1, month = 1, year = 1970, hour = 0, minute = 0, second = 0;
};
TLogTime LocalLogTime();

struct TDiagLog {
    bool debug = false;
    std::string path;
    std::array<uint8_t, kImageSize> lastImage{}; // the image at the previous call
    int32_t calls = 0;                           // calls that could open the log
    std::string action = kLogActionCleared;      // cause of the next record
    std::string source;                          // object concerned; empty for unit reads
    int32_t sourceNumber = 0;
};

// The log call.  Without debug mode nothing happens.  Appends a record when the
// image differs from the previous call's, and always on the first call of a run
// (after three separator lines).  A log that cannot be opened is skipped silently
// and leaves the state alone; otherwise the counter rises and the action and
// number are reset.  Returns true when a record was written.
bool WriteLogRecord(TDiagLog& log, const TParamImage& img, const TLogTime& now = LocalLogTime());

// The header line of a record, without its line feed.
std::string LogHeaderLine(const TDiagLog& log, const TLogTime& now);

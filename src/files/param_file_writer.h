#pragma once
// Writes the parameter image as a .ign keyword file.

#include "model/param_image.h"

#include <optional>
#include <string>

// The informational records at the end of the file; the reader skips them.
struct TParamFileFooter {
    std::string hexDate; // firmware build date, time and name as the Bike page shows them
    std::string hexTime;
    std::string hexName;
    std::string exeDate; // this program's build date ("May 14 2013") and time ("11:01:05")
    std::string exeTime;
    std::optional<int> monCalibCoef; // only while the unit is connected
};

// Build date and time of this program, in the footer's two-field form.
TParamFileFooter DefaultParamFileFooter();

// The whole file text.  Lines end with CR LF whatever the platform, and the text
// ends without a final line break.  The caller normalises the image first.
std::string ParamFileWriter(const TParamImage& img, const TParamFileFooter& footer);

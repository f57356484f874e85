#pragma once
// The copy of the parameter image kept between runs: 500 numbers as text.

#include "model/param_image.h"

#include <string>
#include <string_view>

// "%5u " per byte, a line break after every tenth and a blank line after every
// hundredth, so each block forms a paragraph of ten lines.
std::string ImageBackupText(const TParamImage& img);

// Reads unsigned decimal numbers into bytes 0, 1, ... until 500 were read, the
// text ends, or a token is not a number; the remaining bytes keep their values.
// Returns the number of bytes read.
int ReadImageBackupText(std::string_view text, TParamImage& img);

// Atomic write; a backup that cannot be written is not reported, hence no message.
bool SaveImageBackup(const std::string& path, const TParamImage& img);
// A missing file leaves the image as it is; returns the number of bytes read.
int LoadImageBackup(const std::string& path, TParamImage& img);

#pragma once
// The simulated unit's stored image, kept in the image backup's text layout:
// "%5u " ten numbers a line, a blank line after each hundred.

#include "model/param_image.h"

#include <optional>
#include <string>

std::string ImageToText(const TParamImage& image);
// Nothing when the text does not hold exactly 500 numbers of 0..255.
std::optional<TParamImage> ImageFromText(const std::string& text);

std::optional<TParamImage> LoadImageFile(const std::string& path);
// Writes through a temporary file, so a crash never leaves half a state.
bool SaveImageFile(const std::string& path, const TParamImage& image);

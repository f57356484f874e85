#pragma once
#include "model/param_image.h"

#include <functional>
#include <optional>
#include <string>

// Resets the fields of the selected groups to factory values, then applies the
// synchronisation preset of the image's BikeCode.
void ApplyDefaults(TParamImage& img, PageSelection sel);

// The image the program starts with: BikeCode 20 ("Yamaha R6"), all groups reset.
TParamImage StartupImage();

#pragma once
#include "model/param_image.h"

// Moves every out-of-range value of the image to the nearest legal one.
// Runs before every transfer and save, after every read and page change.
void NormaliseImage(TParamImage& img);

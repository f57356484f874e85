#pragma once
#include "model/param_image.h"

// Moves every out-of-range value of the image to the nearest legal one, in a
// fixed order of eight steps (load axes, advance speed axis, throttle
// calibration, servo speed axis, lobe count under method 0, trigger lobes,
// output count, power outputs).  Values no step covers are kept as they are.
// Runs before every transfer and save, after every read and page change.
// Reserved bytes are never touched.
void NormaliseImage(TParamImage& img);

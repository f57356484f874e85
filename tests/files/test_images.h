#pragma once
// Images for the file tests.

#include "model/param_image.h"

#include <random>

// Every byte random, with the power-output grids limited to their four bits
// (the file carries no more).
inline TParamImage RandomImage(unsigned seed) {
    std::mt19937 rng(seed);
    TParamImage img;
    for (auto& b : img.bytes) b = uint8_t(rng());
    for (int r = 0; r < 3; ++r) {
        img.set(Field::PowerOut1Grid, r, img.get(Field::PowerOut1Grid, r) & 0x0F);
        img.set(Field::PowerOut2Grid, r, img.get(Field::PowerOut2Grid, r) & 0x0F);
    }
    return img;
}

// Byte offsets covered by a field.
inline bool InField(int offset, const FieldDesc& f) {
    return offset >= f.offset && offset < f.end();
}

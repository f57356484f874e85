#pragma once
// Images shared by the model tests.

#include "model/param_image.h"

#include <random>
#include <vector>

// Offsets no operation may change.
inline std::vector<int> ReservedOffsets() {
    std::vector<int> out;
    for (const FieldDesc* f : {&Field::Reserved60, &Field::Reserved83, &Field::Reserved157})
        for (int i = 0; i < f->count; ++i) out.push_back(f->byteOffset(i));
    return out;
}

// A distinct, non-zero value in every reserved byte.
inline void MarkReserved(TParamImage& img) {
    for (int off : ReservedOffsets()) img[off] = uint8_t(0xA0 ^ off);
}

// Every byte random (reproducible by seed).
inline TParamImage RandomImage(unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    TParamImage img;
    for (auto& b : img.bytes) b = uint8_t(byte(gen));
    return img;
}

#include <string>

// "Name[i]@offset: a != b" for every differing byte; empty when equal.
inline std::string ImageDiff(const TParamImage& a, const TParamImage& b) {
    std::string out;
    for (const auto& nf : kAllFields)
        for (int off = nf.field.offset; off < nf.field.end(); ++off)
            if (a[off] != b[off])
                out += std::string(nf.name) + "@" + std::to_string(off) + ": " +
                       std::to_string(a[off]) + " != " + std::to_string(b[off]) + "\n";
    return out;
}

#pragma once
// Every field of an image by name, in display units, and the differences
// between two images.

#include "model/param_image.h"

#include <string>
#include <vector>

// One line per field ("Limiter = 11000"); a field with several elements
// lists them on its line, and a map gives one line per row.
std::vector<std::string> ShowLines(const TParamImage& image);

struct TFieldDifference {
    std::string label; // "Limiter", "CylCorrection[2]", "AdvanceMap[3,4]"
    int a = 0;         // display values
    int b = 0;
};

// The elements whose stored values differ, in image order.
std::vector<TFieldDifference> DiffFields(const TParamImage& a, const TParamImage& b);

// "label  a  b" in aligned columns.
std::string DifferenceLine(const TFieldDifference& d);

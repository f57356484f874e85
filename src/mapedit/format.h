#pragma once
// Value texts of the editor: cell and breakpoint values with digit groups and
// unit, and the short tick labels of the graphs.

#include <string>
#include <string_view>

// Decimals shown for a display factor: 0 from 1 up, else trunc(0.99 - log10 f).
int DecimalsForFactor(double factor);

// n x factor with the factor's decimals, digits grouped by threes with a
// space, trailing zeros (and a bare point) removed; " unit" appended when
// showUnit is set and a unit is given.
std::string FormatValue(long long n, double factor, std::string_view unit = {},
                        bool showUnit = false);

// Short graph label for a value on a grid of the given step (m, k, M forms).
std::string FormatAxisNumber(double step, double value);

#include "mapedit/number_text.h"

#include "mapedit/format.h"

#include <cmath>
#include <cstdio>
#include <functional>

int32_t RoundToRaw(double value) {
    double r = value >= 0 ? std::trunc(value + 0.5) : std::trunc(value - 0.5);
    if (std::isnan(r)) return 0;
    if (r >= 2147483647.0) return INT32_MAX;
    if (r <= -2147483648.0) return INT32_MIN;
    return int32_t(r);
}

std::optional<double> ReadReal(std::string_view text) {
    std::string s(text);
    double v = 0;
    if (std::sscanf(s.c_str(), "%lf", &v) != 1 || !std::isfinite(v)) return std::nullopt;
    return v;
}

void ApplyDecimalComma(std::string& text, int lang) {
    if (lang != 3) return;
    for (char& c : text)
        if (c == '.') c = ',';
}

std::string ValueText(const CAxe& axis, int32_t raw, const std::function<std::string(int)>* named) {
    if (axis.NamedValues && named && *named) return (*named)(raw);
    return FormatValue(raw, axis.Scale);
}

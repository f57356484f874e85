#include "mapedit/format.h"

#include <cmath>
#include <cstdio>

namespace {

// Longest decimals that still give a meaningful fixed-notation text.
constexpr int kMaxDecimals = 15;

std::string printf1(const char* fmt, double v) {
    char buf[400];
    std::snprintf(buf, sizeof buf, fmt, v);
    return buf;
}

void groupThousands(std::string& s) {
    size_t begin = (!s.empty() && s[0] == '-') ? 1 : 0;
    size_t end = s.find('.');
    if (end == std::string::npos) end = s.size();
    for (size_t pos = end; pos > begin + 3; pos -= 3) s.insert(pos - 3, 1, ' ');
}

void trimZeros(std::string& s) {
    if (s.find('.') == std::string::npos) return;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
}

} // namespace

int DecimalsForFactor(double factor) {
    double f = std::fabs(factor);
    if (!(f > 0) || f >= 1 || !std::isfinite(f)) return 0;
    int d = int(0.99 - std::log10(f));
    return d < 0 ? 0 : (d > kMaxDecimals ? kMaxDecimals : d);
}

std::string FormatValue(long long n, double factor, std::string_view unit, bool showUnit) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", DecimalsForFactor(factor), double(n) * factor);
    std::string s = buf;
    groupThousands(s);
    trimZeros(s);
    if (showUnit && !unit.empty()) {
        s += ' ';
        s += unit;
    }
    return s;
}

std::string FormatAxisNumber(double step, double value) {
    double s = std::fabs(step);
    if (s < 0.001) return printf1("%.2fm", value * 1000);
    if (s < 0.01) return printf1("%.0fm", value * 1000);
    if (s < 0.1) return printf1("%.2f", value);
    if (s < 1) return printf1("%.1f", value);
    if (s < 1000) return printf1("%.0f", value);
    if (s < 1000000) return printf1("%.0fk", value * 0.001);
    return printf1("%.0fM", value * 0.000001);
}

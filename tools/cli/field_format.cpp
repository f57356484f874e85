#include "field_format.h"

#include <cstdio>

namespace {

constexpr int kNameWidth = 22;

bool IsMap(const FieldDesc& f) {
    return f.count == kMapRows * kMapColumns;
}

int DisplayValue(const TParamImage& image, const FieldDesc& f, int i) {
    const bool servoPercent = image.get(Field::ServoPercent) != 0;
    return ToDisplay(f.rule, image.get(f, i), servoPercent);
}

std::string Padded(std::string name) {
    if (int(name.size()) < kNameWidth) name.resize(kNameWidth, ' ');
    return name;
}

std::string Values(const TParamImage& image, const FieldDesc& f, int first, int count) {
    std::string text;
    for (int i = first; i < first + count; ++i) {
        if (i > first) text += ' ';
        text += std::to_string(DisplayValue(image, f, i));
    }
    return text;
}

std::string ElementLabel(const char* name, const FieldDesc& f, int i) {
    if (f.count == 1) return name;
    if (IsMap(f))
        return std::string(name) + "[" + std::to_string(i / kMapColumns) + "," +
               std::to_string(i % kMapColumns) + "]";
    return std::string(name) + "[" + std::to_string(i) + "]";
}

} // namespace

std::vector<std::string> ShowLines(const TParamImage& image) {
    std::vector<std::string> lines;
    for (const auto& [name, f] : kAllFields) {
        if (!IsMap(f)) {
            lines.push_back(Padded(name) + " = " + Values(image, f, 0, f.count));
            continue;
        }
        for (int row = 0; row < kMapRows; ++row) {
            const std::string label = std::string(name) + "[" + std::to_string(row) + "]";
            lines.push_back(Padded(label) + " = " +
                            Values(image, f, row * kMapColumns, kMapColumns));
        }
    }
    return lines;
}

std::vector<TFieldDifference> DiffFields(const TParamImage& a, const TParamImage& b) {
    std::vector<TFieldDifference> out;
    for (const auto& [name, f] : kAllFields) {
        for (int i = 0; i < f.count; ++i) {
            if (a.get(f, i) == b.get(f, i)) continue;
            out.push_back({ElementLabel(name, f, i), DisplayValue(a, f, i), DisplayValue(b, f, i)});
        }
    }
    return out;
}

std::string DifferenceLine(const TFieldDifference& d) {
    char values[48];
    std::snprintf(values, sizeof values, " %8d %8d", d.a, d.b);
    return Padded(d.label) + values;
}

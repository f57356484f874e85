#pragma once
// Small number helpers shared by typing, pasting and the editing operations.

#include "mapedit/sheet.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Rounds half away from zero and saturates to the 32-bit range.
int32_t RoundToRaw(double value);
// Reads one real at the start of the text as "%lf" does; none when nothing
// reads or the number is not finite.
std::optional<double> ReadReal(std::string_view text);
// Czech writes a decimal comma.
void ApplyDecimalComma(std::string& text, int lang);
// Text of a breakpoint or cell as copied: the named text or the plain value.
std::string ValueText(const CAxe& axis, int32_t raw,
                      const std::function<std::string(int)>* named = nullptr);

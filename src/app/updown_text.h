#pragma once
// Text of the numeric edits beside the up-down arrows: digit groups from 1000
// on, with the locale's thousands separator, and a tolerant reader.

#include <optional>
#include <string>
#include <string_view>

// "15 000" for 15000 with separator " "; numbers below 1000 (and negative
// numbers above -1000) have no separator.
std::string FormatUpDownValue(int value, std::string_view separator);

// The number in `text`, ignoring surrounding blanks and any separator between
// digits; nullopt for anything that is not a whole number.
std::optional<int> ParseUpDownText(std::string_view text, std::string_view separator);

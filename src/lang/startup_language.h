#pragma once
// The language the program starts in.

#include <optional>
#include <string_view>

// `stored` is the settings value `Language` (0 when there is none), `firstArg`
// the first command-line argument when there is one.  A stored French (2) is
// not restored; an argument "ENGLISH", "DEUTSCH", "FRANCE" or "CESKY" (exact
// case) overrides the settings, any other argument is ignored; a value outside
// the four languages becomes English.
int StartupLanguage(int stored, std::optional<std::string_view> firstArg);

// The language named by a command-line argument, or nothing.
std::optional<int> LanguageFromArgument(std::string_view arg);

#pragma once
// A plain INI text: "[SECTION]" lines and "key=value" lines, read and updated
// the way the platform's profile functions do it.  Section and key names
// compare without regard to ASCII letter case; values are raw text (no escapes),
// trimmed, with one pair of matching surrounding quotes removed.  Updating a key
// keeps every other line of the text as it was.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TIniText {
    std::vector<std::string> lines; // without their line ends
    bool crlf = false;              // line end used when the text is written back
};

TIniText ParseIniText(std::string_view text);
// The lines joined, each followed by the line end.
std::string IniTextString(const TIniText& ini);

// The value of key in section; nullopt when either is missing.
std::optional<std::string> IniValue(const TIniText& ini, std::string_view section,
                                    std::string_view key);
// Replaces the key's line, or adds it at the end of its section, or adds the
// section at the end of the text.  A value with outer blanks or outer quotes is
// quoted so it reads back unchanged; a value holding a line break or NUL cannot
// be kept in one line and is written empty.
void SetIniValue(TIniText& ini, std::string_view section, std::string_view key,
                 std::string_view value);

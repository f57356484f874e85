#pragma once
// The user-interface language and what every text table has in common.

#include <cstdint>

// The language the window speaks.  The order is also the column order of every
// text table and the value stored in the settings.
enum LangIndex : std::uint8_t {
    LangEnglish = 0,
    LangGerman = 1,
    LangFrench = 2,
    LangCzech = 3,
};
inline constexpr int kLangCount = 4;

// A language index from outside (settings, callers) is used only when it names
// one of the four languages; anything else reads as English so a stray value
// can never index past a table row.
constexpr int ValidLang(int lang) {
    return lang >= 0 && lang < kLangCount ? lang : LangEnglish;
}

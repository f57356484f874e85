#pragma once
// Lookup tables searched by English wording or by numeric id, used by the map
// editor and the dialogs.  Row 0 of every table is the not-found row.

#include <cstdint>
#include <span>
#include <string_view>

#include "lang/lang_index.h"

inline constexpr std::string_view kNotFoundText = "?STR not found?";

// One row: an id (0 when the row is found only by its English text) and the
// four texts in LangIndex order; nullptr marks a text the row does not carry.
struct TLangEntry {
    std::int32_t id;
    const char* text[kLangCount];
};

// The selectors keep the numbers the tables have always had.
enum class LangTable : int {
    Dialog = 1, // DialogTexts: message-box titles and buttons, device errors
    Editor = 3, // EditorTexts: everything the map editor shows
};

std::span<const TLangEntry> DialogTexts();
std::span<const TLangEntry> EditorTexts();
std::span<const TLangEntry> TableRows(LangTable table);

// The text of the first row (from row 1 on) whose English text equals `english`
// byte for byte, in language `lang`; the English text when the row carries no
// text for that language; "?STR not found?" when no row matches.
std::string_view TranslateText(LangTable table, std::string_view english, int lang);

// The same, matching rows by id.
std::string_view TranslateId(LangTable table, std::int32_t id, int lang);

// The text of one row in one language, with the English fallback.
std::string_view EntryText(const TLangEntry& row, int lang);

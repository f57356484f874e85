#include "lang/lookup.h"

std::span<const TLangEntry> TableRows(LangTable table) {
    return table == LangTable::Dialog ? DialogTexts() : EditorTexts();
}

std::string_view EntryText(const TLangEntry& row, int lang) {
    if (const char* own = row.text[ValidLang(lang)]) return own;
    if (const char* english = row.text[LangEnglish]) return english;
    return {};
}

namespace {

// Row 0 is the not-found row and is never matched itself.
template <typename Match>
const TLangEntry& FindRow(std::span<const TLangEntry> rows, Match match) {
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (match(rows[i])) return rows[i];
    return rows[0];
}

} // namespace

std::string_view TranslateText(LangTable table, std::string_view english, int lang) {
    const TLangEntry& row = FindRow(TableRows(table), [english](const TLangEntry& r) {
        return r.text[LangEnglish] != nullptr && english == r.text[LangEnglish];
    });
    return EntryText(row, lang);
}

std::string_view TranslateId(LangTable table, std::int32_t id, int lang) {
    // Id 0 marks rows that have no id, so it never names a row.
    const TLangEntry& row =
        FindRow(TableRows(table), [id](const TLangEntry& r) { return id != 0 && r.id == id; });
    return EntryText(row, lang);
}

#include "lang/text_set.h"

std::string_view SetText(const TextSet& row, int lang) {
    const char* own = row.text[ValidLang(lang)];
    if (own == nullptr || own == kUseEnglish) own = row.text[LangEnglish];
    return own ? own : "";
}

bool RowHasKey(const TextSet& row, std::string_view name) {
    if (row.key == nullptr) return row.text[LangEnglish] && name == row.text[LangEnglish];
    bool found = false;
    ForEachControl(row, [&](std::string_view control) { found = found || control == name; });
    return found;
}

const TextSet* FindKey(std::span<const TextSet> set, std::string_view name) {
    for (const TextSet& row : set)
        if (RowHasKey(row, name)) return &row;
    return nullptr;
}

const TextSet* FindEnglish(std::span<const TextSet> set, std::string_view english) {
    for (const TextSet& row : set)
        if (row.text[LangEnglish] && english == row.text[LangEnglish]) return &row;
    return nullptr;
}

std::string_view TextFor(std::span<const TextSet> set, std::string_view name, int lang) {
    const TextSet* row = FindKey(set, name);
    return row ? SetText(*row, lang) : std::string_view{};
}

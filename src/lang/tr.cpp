#include "lang/tr.h"

#include "lang/lookup.h"
#include "lang/text_sets.h"

namespace {

// True when a table has a row (after the not-found row) for this English text.
bool TableHas(LangTable table, std::string_view english) {
    const auto rows = TableRows(table);
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (rows[i].text[LangEnglish] && english == rows[i].text[LangEnglish]) return true;
    return false;
}

} // namespace

std::string_view Tr(std::string_view english, int lang) {
    for (auto set : {MessageTexts(), PageTexts(), MenuTexts(), HintTexts()})
        if (const TextSet* row = FindEnglish(set, english)) return SetText(*row, lang);
    for (LangTable table : {LangTable::Dialog, LangTable::Editor})
        if (TableHas(table, english)) return TranslateText(table, english, lang);
    return kNotFoundText;
}

#include "lang/tr.h"

#include <array>
#include <string>

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

// Messages joined from pieces, built once for every language so Tr can hand
// out views of them like any other text.
using JoinedMessage = std::array<std::string, kLangCount>;

const std::array<JoinedMessage, 2>& JoinedMessages() {
    static const std::array<JoinedMessage, 2> joined = [] {
        std::array<JoinedMessage, 2> all;
        for (int lang = 0; lang < kLangCount; ++lang) {
            all[0][lang] = OldFileWarningText(lang);
            all[1][lang] = HelpFileErrorText(lang);
        }
        return all;
    }();
    return joined;
}

} // namespace

std::string_view Tr(std::string_view english, int lang) {
    for (auto set : {MessageTexts(), PageTexts(), MenuTexts(), HintTexts(), WindowTexts()})
        if (const TextSet* row = FindEnglish(set, english)) return SetText(*row, lang);
    for (LangTable table : {LangTable::Dialog, LangTable::Editor})
        if (TableHas(table, english)) return TranslateText(table, english, lang);
    for (const JoinedMessage& message : JoinedMessages())
        if (english == message[LangEnglish]) return message[ValidLang(lang)];
    return kNotFoundText;
}

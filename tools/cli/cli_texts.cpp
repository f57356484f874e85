#include "cli_texts.h"

#include "files/param_file_format.h"
#include "lang/lookup.h"
#include "lang/text_sets.h"
#include "lang/tr.h"

std::string CliText(std::string_view english, int lang) {
    const std::string_view text = Tr(english, lang);
    return text == kNotFoundText ? std::string(english) : std::string(text);
}

Translator CliTranslator(int lang) {
    return [lang](std::string_view english) { return CliText(english, lang); };
}

std::string FileMessageText(std::string_view key, int lang) {
    // The older-version warning is joined from three pieces in the tables.
    if (key == kMsgOlderFileVersion) return OldFileWarningText(lang);
    return CliText(key, lang);
}

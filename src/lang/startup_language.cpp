#include "lang/startup_language.h"

#include "lang/lang_index.h"

std::optional<int> LanguageFromArgument(std::string_view arg) {
    constexpr std::string_view kNames[kLangCount] = {"ENGLISH", "DEUTSCH", "FRANCE", "CESKY"};
    for (int lang = 0; lang < kLangCount; ++lang)
        if (arg == kNames[lang]) return lang;
    return std::nullopt;
}

int StartupLanguage(int stored, std::optional<std::string_view> firstArg) {
    // French is reachable only from the command line, so it never survives a
    // restart through the settings.
    int lang = stored == LangFrench ? LangEnglish : stored;
    if (firstArg)
        if (auto named = LanguageFromArgument(*firstArg)) lang = *named;
    // Negative values are as foreign as values above 3.
    if (lang < 0 || lang >= kLangCount) lang = LangEnglish;
    return lang;
}

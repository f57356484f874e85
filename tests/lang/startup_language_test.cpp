#include "lang/startup_language.h"

#include <gtest/gtest.h>

#include "lang/lang_index.h"

namespace {

struct StartCase {
    const char* what;
    int stored;
    std::optional<std::string_view> arg;
    int expected;
};

class StartupLanguageCases : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartupLanguageCases, PicksTheLanguage) {
    const StartCase& c = GetParam();
    EXPECT_EQ(StartupLanguage(c.stored, c.arg), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rule, StartupLanguageCases,
    ::testing::Values(
        StartCase{"no settings, no argument", 0, std::nullopt, LangEnglish},
        StartCase{"stored German", 1, std::nullopt, LangGerman},
        StartCase{"stored Czech", 3, std::nullopt, LangCzech},
        StartCase{"FRANCE argument", 3, "FRANCE", LangFrench},
        // The French choice is written back as 2 and read as English next time.
        StartCase{"restart after FRANCE without argument", 2, std::nullopt, LangEnglish},
        StartCase{"DEUTSCH overrides stored Czech", 3, "DEUTSCH", LangGerman},
        StartCase{"ENGLISH overrides stored German", 1, "ENGLISH", LangEnglish},
        StartCase{"CESKY", 0, "CESKY", LangCzech},
        StartCase{"lower-case argument changes nothing", 1, "english", LangGerman},
        StartCase{"lower-case deutsch changes nothing", 3, "deutsch", LangCzech},
        StartCase{"argument with blank changes nothing", 1, "ENGLISH ", LangGerman},
        StartCase{"empty argument changes nothing", 3, "", LangCzech},
        StartCase{"other argument changes nothing", 1, "file.ign", LangGerman},
        StartCase{"stored 7 starts in English", 7, std::nullopt, LangEnglish},
        StartCase{"stored 7 with a language argument", 7, "CESKY", LangCzech},
        StartCase{"stored 7 with a foreign argument", 7, "x", LangEnglish},
        StartCase{"negative stored value starts in English", -1, std::nullopt, LangEnglish}));

TEST(LanguageFromArgument, NamesExactlyFourLanguages) {
    EXPECT_EQ(LanguageFromArgument("ENGLISH"), LangEnglish);
    EXPECT_EQ(LanguageFromArgument("DEUTSCH"), LangGerman);
    EXPECT_EQ(LanguageFromArgument("FRANCE"), LangFrench);
    EXPECT_EQ(LanguageFromArgument("CESKY"), LangCzech);
    EXPECT_EQ(LanguageFromArgument("FRENCH"), std::nullopt);
    EXPECT_EQ(LanguageFromArgument("Cesky"), std::nullopt);
}

} // namespace

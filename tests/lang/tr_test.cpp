#include "lang/tr.h"

#include <gtest/gtest.h>

#include "lang/lookup.h"

namespace {

struct TrCase {
    const char* english;
    int lang;
    const char* expected;
};

class TrCases : public ::testing::TestWithParam<TrCase> {};

TEST_P(TrCases, FindsTextInAnyTable) {
    const TrCase& c = GetParam();
    EXPECT_EQ(Tr(c.english, c.lang), c.expected) << c.english;
}

INSTANTIATE_TEST_SUITE_P(
    Order, TrCases,
    ::testing::Values(TrCase{"Cancel", LangFrench, "Cancel"}, TrCase{"Cancel", LangCzech, "Zpět"},
                      TrCase{"ISO1", LangCzech, "ISO1"},
                      TrCase{"Reset error", LangCzech, "Chyba resetu"},
                      TrCase{"Open file error!", LangCzech, "Chyba při otevírání souboru!"},
                      TrCase{"Miscellaneous", LangGerman, "Verschiedenes"},
                      TrCase{"Interpolate", LangCzech, "Interpolovat"},
                      TrCase{"Inlet Air", LangGerman, "Ansaugluft"},
                      // Messages come before the dialog table: the window's "Warning" text
                      // stays English in German, the dialog table's does not.
                      TrCase{"Warning", LangGerman, "Warning"},
                      // Messages come before the editor table: "Advance" has a French text
                      // among the messages, none in the editor table.
                      TrCase{"Advance", LangFrench, "Avance"},
                      TrCase{"Advance", LangCzech, "Předstih"}, TrCase{"&Read", LangCzech, "Čí&st"},
                      TrCase{"Deutsches Menü", LangCzech, "Deutsches Menü"}));

TEST(Tr, UnknownTextGivesNotFoundInEveryLanguage) {
    for (int lang = 0; lang < 4; ++lang) {
        EXPECT_EQ(Tr("No such text", lang), "?STR not found?");
        EXPECT_EQ(Tr("cancel", lang), "?STR not found?");
    }
}

TEST(Tr, DialogTableStillAnswersDirectly) {
    EXPECT_EQ(TranslateText(LangTable::Dialog, "Warning", LangGerman), "Warnung");
}

} // namespace

#include "lang/tr.h"

#include <gtest/gtest.h>

#include "lang/lookup.h"
#include "lang/text_sets.h"

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

// Every text the link, the monitor and the window pass through Tr must be
// found; otherwise the caller falls back to English and the user sees a
// foreign word in an otherwise translated window.
TEST(Tr, FindsEveryTextTheProgramShows) {
    const char* shown[] = {
        "Program device:",
        "Verify:",
        "Read:",
        "Saving:",
        "Program error!",
        "Verify error!",
        "Read error!",
        "Reset error",
        "Unmatched version of PC and Ignition programs!",
        "Unmatched subversion of PC and Ignition programs!",
        "(Disconnected by bootloader)",
        "Com opening error!",
        "No Connection",
        "Motor off",
        "YES",
        "NO",
        "Advance",
        "Base advance",
        "Pick-up (CKPS)",
        "is running",
        "no signal",
        ", polarity error",
        ", negative polarity",
        ", positive polarity",
        "Pick up system error                    ",
        "Fuel pump",
        "Gear shift light",
        "Special out",
        "Start limiter",
        "Retard",
        "Servo desired=",
        "Servo measured=",
        "Programmed data error",
        "Number of Programing= ",
        "Stored dwell calibration value out of limits",
        "Input",
        "Grounded",
        "Open",
        "Clutch master",
        "Kill switch",
        "Output",
        "Open file error!",
        "Unmatched version of *.ign file!",
        "Do you want default setting?",
        "Attention",
        "Warning",
        "Error",
        "Correction for cylinder",
        "Date and time of printing:  ",
        "Programming of Ardentix unit",
        "Row count is on maximum !\nDelete some first...",
        "Column count is on maximum !\nDelete some first...",
        "Table dimensions are not eqal and there is unable to change it !\nInsertion canceled...",
        "This is a new installation of set software for Veldrona ignitions.\nYou have to read "
        "actual setting of ignition before first programming of unit (the Read button),\nor open "
        "valid .ign file (e.g. from attached CD) !"};
    for (const char* english : shown)
        for (int lang = 0; lang < kLangCount; ++lang)
            EXPECT_NE(Tr(english, lang), kNotFoundText) << english << " in language " << lang;
}

TEST(Tr, BootloaderCaptionFollowsTheLanguage) {
    // The link builds the title addition through Tr when it hands the port over.
    EXPECT_EQ(Tr("(Disconnected by bootloader)", LangCzech), "(Dočasně odpojeno bootloaderem)");
    EXPECT_EQ(Tr("(Disconnected by bootloader)", LangGerman), "(Disconnected by bootloader)");
}

TEST(Tr, JoinedMessagesAreFoundByTheirWholeEnglishText) {
    // The file loader reports the older-file warning by its joined English text.
    const std::string older = OldFileWarningText(LangEnglish);
    for (int lang = 0; lang < kLangCount; ++lang)
        EXPECT_EQ(Tr(older, lang), OldFileWarningText(lang)) << lang;
    EXPECT_EQ(Tr(HelpFileErrorText(LangEnglish), LangGerman),
              "Fehler beim öffnen der Datei manual_Ardentix_de.pdf !");
    EXPECT_EQ(Tr(HelpFileErrorText(LangEnglish), LangCzech), HelpFileErrorText(LangCzech));
}

TEST(Tr, CommandLineOutputWordIsTranslated) {
    EXPECT_EQ(Tr("Output", LangGerman), "Ausgang");
    EXPECT_EQ(Tr("Output", LangCzech), "Výstup");
}

} // namespace

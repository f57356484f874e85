#include "lang/text_sets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

struct NamedSet {
    const char* name;
    std::span<const TextSet> rows;
};

std::vector<NamedSet> AllSets() {
    return {{"menu", MenuTexts()},
            {"hint", HintTexts()},
            {"page", PageTexts()},
            {"message", MessageTexts()},
            {"window", WindowTexts()}};
}

std::string RowName(const TextSet& row) {
    return row.key ? row.key : (row.text[LangEnglish] ? row.text[LangEnglish] : "(no English)");
}

bool ValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        const std::size_t extra = lead < 0x80           ? 0
                                  : (lead >> 5) == 0x6  ? 1
                                  : (lead >> 4) == 0xE  ? 2
                                  : (lead >> 3) == 0x1E ? 3
                                                        : 9;
        if (extra == 9 || s.size() - i <= extra) return false;
        for (std::size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
        i += extra + 1;
    }
    return true;
}

TEST(TextSets, EveryRowHasEnglishAndEveryOtherLanguageIsTranslatedOrMarked) {
    for (const NamedSet& set : AllSets())
        for (const TextSet& row : set.rows) {
            SCOPED_TRACE(std::string(set.name) + ": " + RowName(row));
            ASSERT_NE(row.text[LangEnglish], nullptr);
            EXPECT_NE(row.text[LangEnglish], kUseEnglish);
            EXPECT_STRNE(row.text[LangEnglish], "");
            for (int lang = 1; lang < kLangCount; ++lang) {
                SCOPED_TRACE("language " + std::to_string(lang));
                // nullptr means a translation was forgotten.
                ASSERT_NE(row.text[lang], nullptr);
                // A copy of the English text must say so with the marker.
                if (row.text[lang] != kUseEnglish) {
                    EXPECT_STRNE(row.text[lang], row.text[LangEnglish]);
                    // An empty literal is not the marker: it would blank the caption.
                    EXPECT_STRNE(row.text[lang], "");
                }
            }
        }
}

TEST(TextSets, EveryTextIsValidUtf8) {
    for (const NamedSet& set : AllSets())
        for (const TextSet& row : set.rows)
            for (int lang = 0; lang < kLangCount; ++lang)
                EXPECT_TRUE(ValidUtf8(SetText(row, lang))) << set.name << ": " << RowName(row);
}

TEST(TextSets, PageTextsHaveOwnGermanAndCzech) {
    for (const TextSet& row : PageTexts()) {
        EXPECT_NE(row.text[LangGerman], kUseEnglish) << RowName(row);
        EXPECT_NE(row.text[LangCzech], kUseEnglish) << RowName(row);
    }
}

TEST(TextSets, EachControlOrMessageIsSetByOneRowOnly) {
    for (const NamedSet& set : AllSets()) {
        std::set<std::string> seen;
        for (const TextSet& row : set.rows) {
            if (row.key == nullptr) {
                EXPECT_TRUE(seen.insert(row.text[LangEnglish]).second)
                    << set.name << ": " << row.text[LangEnglish];
                continue;
            }
            ForEachControl(row, [&](std::string_view name) {
                EXPECT_FALSE(name.empty()) << set.name << ": " << row.key;
                EXPECT_TRUE(seen.insert(std::string(name)).second) << set.name << ": " << name;
            });
        }
    }
}

TEST(TextSets, ListItemsKeepTheirCountInEveryLanguage) {
    // Items are replaced by position, so a language with one item more or less
    // would shift every meaning after it.
    for (const TextSet& row : PageTexts()) {
        if (std::string_view(row.key).find(".Items") == std::string_view::npos) continue;
        const auto lines = [](std::string_view s) { return std::count(s.begin(), s.end(), '\n'); };
        for (int lang = 1; lang < kLangCount; ++lang)
            EXPECT_EQ(lines(SetText(row, lang)), lines(SetText(row, LangEnglish))) << row.key;
    }
}

TEST(MenuTexts, CoverEveryMenuItemAndSharedButtons) {
    for (const char* item :
         {"MenuFile",         "MenuNew",         "MenuNewPage",   "MenuOpen",
          "MenuOpenExeDir",   "MenuOpenPage",    "MenuSave",      "MenuSaveExeDir",
          "MenuPrint",        "MenuPrintAll",    "MenuExit",      "MenuCom",
          "MenuDevice",       "MenuRead",        "ButtonRead",    "MenuVerify",
          "BitBtnVerify",     "MenuProgram",     "BitBtnProgram", "MenuTools",
          "MenuAdvanceMinus", "MenuAdvancePlus", "MenuZpet",      "MenuZnovu",
          "MenuLanguage",     "MenuEnglish",     "MenuGerman",    "MenuFrench",
          "MenuCzech",        "MenuHelp",        "MenuContens",   "MenuAbout"})
        EXPECT_NE(FindKey(MenuTexts(), item), nullptr) << item;
    EXPECT_EQ(TextFor(MenuTexts(), "ButtonRead", LangCzech), "Čí&st");
    EXPECT_EQ(TextFor(MenuTexts(), "MenuRead", LangGerman), "&Lesen");
    EXPECT_EQ(TextFor(MenuTexts(), "MenuNewPage", LangFrench), "&New for actual page");
    EXPECT_EQ(TextFor(MenuTexts(), "NoSuchMenu", LangGerman), "");
}

TEST(HintTexts, LanguageItemsKeepTheirOwnLanguage) {
    const std::pair<const char*, const char*> fixed[] = {{"MenuEnglish", "Set English menu"},
                                                         {"MenuGerman", "Deutsches Menü"},
                                                         {"MenuFrench", "Installer en Francais "},
                                                         {"MenuCzech", "Nastavit české menu"}};
    for (const auto& [item, hint] : fixed)
        for (int lang = 0; lang < kLangCount; ++lang)
            EXPECT_EQ(TextFor(HintTexts(), item, lang), hint) << item << " " << lang;
}

TEST(HintTexts, SharedHintsReachBothControls) {
    EXPECT_EQ(TextFor(HintTexts(), "SpeedButtonSave", LangCzech), "Uložení parametrů do souboru");
    EXPECT_EQ(TextFor(HintTexts(), "MenuSave", LangCzech), "Uložení parametrů do souboru");
    // The toolbar New button and the New menu item have hints of their own.
    EXPECT_EQ(TextFor(HintTexts(), "SpeedButtonNew", LangEnglish), "Set default parametrs");
    EXPECT_EQ(TextFor(HintTexts(), "MenuNew", LangEnglish), "Set default parameters ");
}

TEST(PageTexts, CoverEveryTranslatedControl) {
    std::vector<std::string> keys = {"LabelSpojeni",
                                     "LabelFile1",
                                     "CheckBoxProgHned",
                                     "TabSheetRuzne",
                                     "TabSheetBike",
                                     "TabSheetAdvance",
                                     "TabSheet_Ladeni",
                                     "LabelOmez2",
                                     "LabelClutchTime",
                                     "LabelClutchPause",
                                     "LabelRetard",
                                     "LabelPocSynchro",
                                     "LabelKompenz",
                                     "LabelDwellTime",
                                     "LabelDwellCor",
                                     "LabelDwellDyn",
                                     "LabelDwellMaxTime",
                                     "LabelDwellMaxRPMLobe",
                                     "LabelStartLimiter",
                                     "LabelBike",
                                     "LabelRpmPulsu",
                                     "LabelRpmKorekce",
                                     "LabelSynchro",
                                     "LabelPocPalcu",
                                     "LabelPocKanalu",
                                     "LabelLobe",
                                     "LabelHrana2",
                                     "LabelSnimac2",
                                     "LabelBaseAdv",
                                     "LabelServoHyster",
                                     "LabelServoNo",
                                     "LabelTestServo",
                                     "RadioGroupDwell",
                                     "RadioGroupDwell.Items",
                                     "RadioGroupTpsIap",
                                     "RadioGroupTpsIap.Items",
                                     "RadioGroupInput1",
                                     "RadioGroupInput1.Items",
                                     "RadioGroupInput2",
                                     "RadioGroupInput2.Items",
                                     "RadioGroupPickup1Polarita",
                                     "RadioGroupPickup2Polarita",
                                     "GroupBoxRpm",
                                     "GroupBoxSpecial",
                                     "GroupBoxTestIgn",
                                     "CheckBoxInNeutralSs",
                                     "CheckBoxOpacnaPolarita",
                                     "CheckBoxZamenaPickup",
                                     "CheckBoxNehlidaPalec",
                                     "CheckBoxCrossBlock",
                                     "CheckBoxPredPalec",
                                     "CheckBoxSpecStart",
                                     "CheckBoxSpecDwellByStart",
                                     "CheckBoxServoEnable",
                                     "CheckBoxServoProcenta",
                                     "ButtonTest01",
                                     "ButtonTest02",
                                     "POutMode",
                                     "POutMode.Items",
                                     "POutMap",
                                     "POutHysteresis"};
    for (int n = 1; n <= 4; ++n) {
        const std::string num = std::to_string(n);
        keys.push_back("LabelPalec" + num + "Zac");
        keys.push_back("LabelPalec" + num + "End");
        keys.push_back("GroupBoxPalec" + num);
        keys.push_back("ButtonTestIgn" + num);
    }
    for (int i : {0, 16, 17, 18, 19, 37, 38}) keys.push_back(ItemKey("ComboBoxBike", i));
    for (int i : {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13})
        keys.push_back(ItemKey("ComboBoxSynchro", i));
    for (int i = 0; i < 4; ++i) keys.push_back(ItemKey("ComboBoxNasobekPalcu", i));
    for (const std::string& key : keys) EXPECT_NE(FindKey(PageTexts(), key), nullptr) << key;

    // Named presets and "Harley" are names, not translated.
    EXPECT_EQ(FindKey(PageTexts(), ItemKey("ComboBoxSynchro", 7)), nullptr);
    EXPECT_EQ(FindKey(PageTexts(), ItemKey("ComboBoxBike", 5)), nullptr);
}

TEST(PageTexts, EnglishWordingIsTheWindowsOwn) {
    EXPECT_EQ(TextFor(PageTexts(), "RadioGroupInput2.Items", LangEnglish),
              "Off\nKill switch\nBlocking\nClutch master\nClutch master inv. input\nRetard\n"
              "Start limiter");
    EXPECT_EQ(TextFor(PageTexts(), "ComboBoxBike.16", LangEnglish),
              "Classic (1 lobe, 1 or 2 pick-up) ");
    EXPECT_EQ(TextFor(PageTexts(), "ComboBoxNasobekPalcu.3", LangEnglish),
              "1 ignition per 2 revolutions (camshaft)");
    EXPECT_EQ(TextFor(PageTexts(), "LabelPalec3End", LangCzech), "Předstih při startu");
    EXPECT_EQ(TextFor(PageTexts(), "TabSheetAdvance", LangGerman), "Zündkennfeld");
}

TEST(ComposedLabels, JoinTranslatedWordAndTail) {
    EXPECT_EQ(ComposedLabelText("LabelAdvance2", LangCzech), "Předstih 2 = --- [°]");
    EXPECT_EQ(ComposedLabelText("LabelDwell", LangGerman), "Anfachung = ---");
    EXPECT_EQ(ComposedLabelText("LabelDwell", LangFrench), "Dwell = ---");
    EXPECT_EQ(ComposedLabelText("LabelMonInput2In", LangFrench), "Entrée 2: ---");
    EXPECT_EQ(ComposedLabelText("LabelPocetProgramovani", LangEnglish),
              "Number of Programing= ---");
    EXPECT_EQ(ComposedLabelText("LabelNoSuch", LangEnglish), "");
}

TEST(ComposedLabels, EveryWordIsAMessageText) {
    // A word missing from the messages would silently stay English.
    for (const ComposedLabel& label : ComposedLabels())
        EXPECT_NE(FindEnglish(MessageTexts(), label.word), nullptr) << label.control;
    EXPECT_EQ(ComposedLabels().size(), 18u);
}

TEST(MessageTexts, RepeatedEnglishColumnsShowEnglish) {
    const auto msg = [](const char* english, int lang) {
        const TextSet* row = FindEnglish(MessageTexts(), english);
        return row ? SetText(*row, lang) : std::string_view("(missing)");
    };
    EXPECT_EQ(msg("Power jet", LangCzech), "Power jet");
    EXPECT_EQ(msg("Warning", LangGerman), "Warning");
    EXPECT_EQ(msg("Warning", LangCzech), "Varování");
    EXPECT_EQ(msg("Clutch master", LangCzech), "Clutch master");
    EXPECT_EQ(msg("Base advance", LangFrench), "Base advance");
    EXPECT_EQ(msg("is running", LangFrench), " fonctionne");
    EXPECT_EQ(msg("Pick up system error                    ", LangCzech),
              "Chyba v snímacím systému                ");
}

TEST(WindowTexts, TitleAndBootloaderCaption) {
    EXPECT_EQ(BaseTitle(), "  Programming of Ardentix unit");
    EXPECT_EQ(TextFor(WindowTexts(), "Title", LangCzech), kTitleText);
    EXPECT_EQ(ReleaseText(LangEnglish), "  (Disconnected by bootloader)");
    EXPECT_EQ(ReleaseText(LangGerman), "  (Disconnected by bootloader)");
    EXPECT_EQ(ReleaseText(LangCzech), "  (Dočasně odpojeno bootloaderem)");
}

TEST(WindowTexts, HelpFileAndItsErrorFollowTheLanguage) {
    const char* files[] = {"manual_Ardentix_en.pdf", "manual_Ardentix_de.pdf",
                           "manual_Ardentix_fr.pdf", "manual_Ardentix_cz.pdf"};
    for (int lang = 0; lang < kLangCount; ++lang) EXPECT_EQ(HelpFileName(lang), files[lang]);
    EXPECT_EQ(HelpFileErrorText(LangEnglish), "Error by opening file manual_Ardentix_en.pdf !");
    EXPECT_EQ(HelpFileErrorText(LangGerman),
              "Fehler beim öffnen der Datei manual_Ardentix_de.pdf !");
    EXPECT_EQ(HelpFileErrorText(LangCzech), "Chyba při otevírání souboru manual_Ardentix_cz.pdf !");
    EXPECT_EQ(HelpFileName(9), files[0]);
}

TEST(WindowTexts, OldFileWarningJoinsThreePieces) {
    const std::string english = OldFileWarningText(LangEnglish);
    EXPECT_EQ(english,
              "Older or another version of *.ign file!\n\n"
              "Some parameters won't be changed or will be set to default value.\n"
              "They are parameters which are not in older version or have another structure.");
    EXPECT_EQ(OldFileWarningText(LangFrench), english);
    EXPECT_EQ(OldFileWarningText(LangGerman).rfind("Älter oder andere Version", 0), 0u);
    EXPECT_EQ(OldFileWarningText(LangCzech),
              "Starší nebo odlišná verze souboru *.ign!\n\n"
              "Některé parametry budou nezměněny nebo nataveny na základní hodnotu.\n"
              "Jsou to parametry, které v této verzi nebyly obsaženy nebo měly jinou strukturu.");
}

} // namespace

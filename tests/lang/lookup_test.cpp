#include "lang/lookup.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TextCase {
    LangTable table;
    const char* english;
    int lang;
    const char* expected;
};

class TranslateTextCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(TranslateTextCases, GivesOwnTextOrEnglishFallback) {
    const TextCase& c = GetParam();
    EXPECT_EQ(TranslateText(c.table, c.english, c.lang), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TranslateTextCases,
    ::testing::Values(
        // Absent translations fall back to the English text.
        TextCase{LangTable::Dialog, "Cancel", LangFrench, "Cancel"},
        TextCase{LangTable::Dialog, "Cancel", LangCzech, "Zpět"},
        TextCase{LangTable::Dialog, "OK", LangGerman, "OK"},
        TextCase{LangTable::Dialog, "Reset error", LangGerman, "Reset Fehler"},
        TextCase{LangTable::Dialog, "Error", LangFrench, "Error"},
        TextCase{LangTable::Editor, "ISO1", LangCzech, "ISO1"},
        TextCase{LangTable::Editor, "Copy", LangGerman, "Copy"},
        TextCase{LangTable::Editor, "Copy", LangCzech, "Kopírovat"},
        TextCase{LangTable::Editor, "Centre", LangFrench, "Centre"},
        TextCase{LangTable::Editor, "Position of End", LangFrench, "Position pour Fin"},
        TextCase{LangTable::Editor, "Intake servo", LangGerman, "Ansaugservo"},
        TextCase{LangTable::Editor, "Intake servo", LangFrench, "Intake servo"},
        // Comparison is exact: case and trailing blanks matter.
        TextCase{LangTable::Editor, "copy", LangCzech, "?STR not found?"},
        TextCase{LangTable::Editor, "Disable", LangCzech, "?STR not found?"},
        TextCase{LangTable::Editor, "Disable ", LangCzech, "Vypnout "},
        // A text of the other table is not found.
        TextCase{LangTable::Dialog, "ISO1", LangEnglish, "?STR not found?"}));

TEST(TranslateText, UnknownTextGivesNotFoundInEveryLanguage) {
    for (LangTable table : {LangTable::Dialog, LangTable::Editor})
        for (int lang = 0; lang < kLangCount; ++lang) {
            EXPECT_EQ(TranslateText(table, "No such text", lang), "?STR not found?");
            EXPECT_EQ(TranslateId(table, 424242, lang), "?STR not found?");
        }
}

TEST(TranslateId, FindsSensorNamesById) {
    EXPECT_EQ(TranslateId(LangTable::Editor, 10020, LangGerman), "Ansaugluft");
    EXPECT_EQ(TranslateId(LangTable::Editor, 10010, LangFrench), "T. moteur");
    EXPECT_EQ(TranslateId(LangTable::Editor, 10011, LangCzech), "Voda");
    EXPECT_EQ(TranslateId(LangTable::Editor, 10021, LangEnglish), "Air");
}

TEST(TranslateId, IdZeroNamesNoRow) {
    // Separator rows carry id 0; asking for id 0 must not hand back their
    // empty text as if it were a translation.
    EXPECT_EQ(TranslateId(LangTable::Editor, 0, LangGerman), "?STR not found?");
}

TEST(TranslateText, DuplicateEnglishKeyTakesFirstRow) {
    // "and" and "Copy" occur twice in the editor table; the first row wins.
    const auto rows = EditorTexts();
    int firstAnd = -1, count = 0;
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (rows[i].text[LangEnglish] && std::string(rows[i].text[LangEnglish]) == "and") {
            if (firstAnd < 0) firstAnd = static_cast<int>(i);
            ++count;
        }
    ASSERT_GE(count, 2);
    EXPECT_EQ(TranslateText(LangTable::Editor, "and", LangCzech).data(),
              rows[firstAnd].text[LangCzech]);
}

TEST(TranslateText, EmptyTextFindsFirstSeparatorRow) {
    EXPECT_EQ(TranslateText(LangTable::Editor, "", LangGerman), "");
    EXPECT_EQ(TranslateText(LangTable::Dialog, "", LangCzech), "");
}

TEST(TranslateText, LanguageOutsideTheFourReadsAsEnglish) {
    EXPECT_EQ(TranslateText(LangTable::Dialog, "Error", 4), "Error");
    EXPECT_EQ(TranslateText(LangTable::Dialog, "Error", -1), "Error");
    EXPECT_EQ(TranslateText(LangTable::Dialog, "Error", 255), "Error");
}

TEST(Tables, KeepListedOrderAndShape) {
    const auto dialog = DialogTexts();
    ASSERT_EQ(dialog.size(), 10u);
    EXPECT_STREQ(dialog[0].text[LangEnglish], "?STR not found?");
    EXPECT_STREQ(dialog[1].text[LangEnglish], "");
    EXPECT_STREQ(dialog[9].text[LangEnglish], "Reset error");

    const auto editor = EditorTexts();
    EXPECT_STREQ(editor[0].text[LangEnglish], "?STR not found?");
    EXPECT_STREQ(editor[1].text[LangEnglish], "");
    EXPECT_STREQ(editor[2].text[LangEnglish], "only");
    const TLangEntry& last = editor.back();
    for (int lang = 0; lang < kLangCount; ++lang) {
        ASSERT_NE(last.text[lang], nullptr);
        EXPECT_STREQ(last.text[lang], "");
    }
    for (const TLangEntry& row : editor) EXPECT_NE(row.text[LangEnglish], nullptr);
}

TEST(Tables, EnglishOnlyRowsCarryNoOtherText) {
    for (const char* key :
         {"ISO1", "ISO2", "T", "Servo", "Lambda [A/F]", "RPM", "TPS", "IAP", "INJ", "no", "A/F"})
        for (int lang = 1; lang < kLangCount; ++lang)
            EXPECT_EQ(TranslateText(LangTable::Editor, key, lang), key) << key;
}

} // namespace

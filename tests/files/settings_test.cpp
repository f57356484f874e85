#include "files/settings.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace {

class Settings : public TempDirTest {
  protected:
    std::string ini() const { return Path("settings.ini"); }
};

TEST_F(Settings, FreshFileKeepsDefaultsAndStartsFirstRun) {
    TSettings s;
    s.left = 11;
    s.language = 3;
    s.activePage = 2;
    s.comScanIndex = 4;
    LoadSettings(ini(), s);
    EXPECT_EQ(s.left, 11);
    EXPECT_EQ(s.language, 3);
    EXPECT_EQ(s.activePage, 2);
    EXPECT_EQ(s.comScanIndex, 4);
    EXPECT_EQ(s.comPortIndex, kComPortAutoIndex);
    EXPECT_EQ(s.lockHiddenPswd, 1);
    EXPECT_TRUE(s.firstRun);
    EXPECT_TRUE(s.history.entries.empty());
}

TEST_F(Settings, RoundTrip) {
    TSettings s;
    s.left = -1200;
    s.top = 30;
    s.height = 600;
    s.width = 800;
    s.comPortIndex = 4;
    s.comScanIndex = 7;
    s.language = 1;
    s.file = "/home/u/bikes, old/r6; new=1 \"q\" \\x ü.ign";
    s.iniDir = "C:\\data\\r6.ign";
    s.activePage = 5;
    s.lockHiddenPswd = 0;
    AddToHistory(s.history, "/a/A.ign");
    AddToHistory(s.history, "/a/B,C.ign");
    ASSERT_TRUE(SaveSettings(ini(), s));

    TSettings back;
    LoadSettings(ini(), back);
    EXPECT_EQ(back.left, -1200);
    EXPECT_EQ(back.top, 30);
    EXPECT_EQ(back.height, 600);
    EXPECT_EQ(back.width, 800);
    EXPECT_EQ(back.comPortIndex, 4);
    EXPECT_EQ(back.comScanIndex, 7);
    EXPECT_EQ(back.language, 1);
    EXPECT_EQ(back.file, s.file);
    EXPECT_EQ(back.iniDir, s.iniDir);
    EXPECT_EQ(back.activePage, 5);
    EXPECT_EQ(back.lockHiddenPswd, 0);
    EXPECT_FALSE(back.firstRun); // ComPort is stored now
    EXPECT_EQ(back.history.entries, s.history.entries);
}

TEST_F(Settings, KeysAsStored) {
    TSettings s;
    s.comPortIndex = 2;
    s.firstRun = true;
    AddToHistory(s.history, "/x.ign");
    ASSERT_TRUE(SaveSettings(ini(), s));
    const std::string text = ReadText(ini());
    EXPECT_NE(text.find("[FORM_HLAV]"), std::string::npos);
    EXPECT_NE(text.find("ComPort=3"), std::string::npos);
    EXPECT_NE(text.find("MenuHistory00=/x.ign"), std::string::npos);
    EXPECT_EQ(text.find("MenuHistory01"), std::string::npos);
    EXPECT_NE(text.find("NEWINSTAL=1"), std::string::npos);
    EXPECT_EQ(text.find("[BASIC]"), std::string::npos);
}

TEST_F(Settings, FrenchRestartsInEnglish) {
    TSettings s;
    s.language = kLanguageFrench;
    ASSERT_TRUE(SaveSettings(ini(), s));
    TSettings back;
    back.language = 3;
    LoadSettings(ini(), back);
    EXPECT_EQ(back.language, 0);
}

TEST_F(Settings, FirstRunFromBasicSectionAndDamagedValues) {
    WriteText(ini(), "[BASIC]\nNEWINSTAL=1\n[FORM_HLAV]\nComPort=5\nLeft=abc\nTop=12x\n"
                     "PageControl1->ActivePageIndex=9\nNEWINSTAL=0\n"
                     "MenuHistory02=/c.ign\n");
    TSettings s;
    s.left = 7;
    s.top = 8;
    s.activePage = 1;
    LoadSettings(ini(), s);
    EXPECT_TRUE(s.firstRun);
    EXPECT_EQ(s.comPortIndex, 4);
    EXPECT_EQ(s.left, 7);
    EXPECT_EQ(s.top, 8);
    EXPECT_EQ(s.activePage, 1);
    EXPECT_EQ(s.history.entries, (std::vector<std::string>{"", "", "/c.ign"}));
}

TEST_F(Settings, EveryKeyIsWrittenUnderItsOwnName) {
    TSettings s;
    s.left = 5;
    s.top = 6;
    s.height = 7;
    s.width = 8;
    s.comPortIndex = 30;
    s.comScanIndex = 2;
    s.language = 3;
    s.file = "C:\\bikes\\r6.ign";
    s.iniDir = "/home/u/r1.ign";
    s.activePage = 4;
    s.lockHiddenPswd = 1;
    s.firstRun = false;
    AddToHistory(s.history, "C:\\bikes\\old.ign");
    AddToHistory(s.history, s.file);
    ASSERT_TRUE(SaveSettings(ini(), s));
    std::string text = ReadText(ini());
    std::erase(text, '\r');
    for (const char* line :
         {"[FORM_HLAV]\n", "\nLeft=5\n", "\nTop=6\n", "\nHeight=7\n", "\nWidth=8\n",
          "\nComPort=31\n", "\nComPortAuto=3\n", "\nLanguage=3\n", "\nFile=C:\\bikes\\r6.ign\n",
          "\nIniDir=/home/u/r1.ign\n", "\nPageControl1->ActivePageIndex=4\n",
          "\nLockHiddenPswd=1\n", "\nNEWINSTAL=0\n", "\nMenuHistory00=C:\\bikes\\r6.ign\n",
          "\nMenuHistory01=C:\\bikes\\old.ign\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " missing in:\n" << text;
}

// A settings file as the platform's own INI service leaves it: CR LF lines,
// backslashes, commas and quotes in plain text, keys in any letter case.
TEST_F(Settings, ReadsAPlainIniFile) {
    WriteText(ini(), "[basic]\r\nNewInstal=0\r\n\r\n[FORM_HLAV]\r\n"
                     "comport=4\r\nLEFT = 120 \r\nFile=C:\\Ign files\\R6, new.ign\r\n"
                     "IniDir=\"C:\\x\\y.ign\"\r\nPageControl1->ActivePageIndex=3\r\n"
                     "MenuHistory00=C:\\a\\b.ign\r\n; a note\r\n");
    TSettings s;
    LoadSettings(ini(), s);
    EXPECT_EQ(s.comPortIndex, 3);
    EXPECT_FALSE(s.firstRun);
    EXPECT_EQ(s.left, 120);
    EXPECT_EQ(s.file, "C:\\Ign files\\R6, new.ign");
    EXPECT_EQ(s.iniDir, "C:\\x\\y.ign");
    EXPECT_EQ(s.activePage, 3);
    EXPECT_EQ(s.history.entries, std::vector<std::string>{"C:\\a\\b.ign"});
}

// Saving updates the program's keys and keeps whatever else the file holds,
// above all the BASIC section the program reads but never writes.
TEST_F(Settings, SavingKeepsOtherSectionsAndKeys) {
    WriteText(ini(), "[BASIC]\nNEWINSTAL=1\n[FORM_HLAV]\nLeft=1\nOther=x\n[MORE]\nK=v\n");
    TSettings s;
    s.left = 42;
    s.file = "  spaced name.ign ";
    ASSERT_TRUE(SaveSettings(ini(), s));
    const std::string text = ReadText(ini());
    EXPECT_NE(text.find("[BASIC]\nNEWINSTAL=1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Other=x\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[MORE]\nK=v\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Left=1\n"), std::string::npos) << text;

    TSettings back;
    LoadSettings(ini(), back);
    EXPECT_TRUE(back.firstRun);
    EXPECT_EQ(back.left, 42);
    EXPECT_EQ(back.file, s.file);
}

struct ClampCase {
    int language, port, scan;
    int language2, port2, scan2;
};

class SettingsClamp : public ::testing::TestWithParam<ClampCase> {};

TEST_P(SettingsClamp, OutOfRangeBecomesZero) {
    TSettings s;
    s.language = GetParam().language;
    s.comPortIndex = GetParam().port;
    s.comScanIndex = GetParam().scan;
    ClampSettings(s);
    EXPECT_EQ(s.language, GetParam().language2);
    EXPECT_EQ(s.comPortIndex, GetParam().port2);
    EXPECT_EQ(s.comScanIndex, GetParam().scan2);
}

INSTANTIATE_TEST_SUITE_P(Limits, SettingsClamp,
                         ::testing::Values(ClampCase{3, 30, 29, 3, 30, 29},
                                           ClampCase{4, 31, 30, 0, 0, 0},
                                           ClampCase{-1, -1, -1, 0, 0, 0}));

} // namespace

namespace {

TEST(SettingsWindow, SavedOnAMonitorNoLongerPresent) {
    TSettings s;
    s.left = 2500;
    s.top = 100;
    s.width = 800;
    s.height = 600;
    FitSettingsWindow(s, {{0, 0, 1920, 1080}});
    EXPECT_EQ(s.left, 1120);
    EXPECT_EQ(s.top, 100);
    EXPECT_EQ(s.width, 800);
    EXPECT_EQ(s.height, 600);

    s.left = 100;
    s.width = 3000;
    FitSettingsWindow(s, {{0, 0, 1920, 1080}});
    EXPECT_EQ(s.left, 0);
    EXPECT_EQ(s.width, 1920);
}

} // namespace

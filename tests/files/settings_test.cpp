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

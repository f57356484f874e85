#include "files/ini_file.h"

#include <gtest/gtest.h>

namespace {

struct ValueCase {
    const char* text;
    const char* section;
    const char* key;
    std::optional<std::string> value;
};

class IniValueRead : public ::testing::TestWithParam<ValueCase> {};

TEST_P(IniValueRead, AsTheProfileFunctionsReadIt) {
    const ValueCase& c = GetParam();
    EXPECT_EQ(IniValue(ParseIniText(c.text), c.section, c.key), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniValueRead,
    ::testing::Values(ValueCase{"[A]\nk=v\n", "A", "k", "v"},
                      ValueCase{"[a]\r\nKEY = spaced value \r\n", "A", "key", "spaced value"},
                      ValueCase{"[A]\nk=\"  quoted \"\n", "A", "k", "  quoted "},
                      ValueCase{"[A]\nk='x'\n", "A", "k", "x"},
                      ValueCase{"[A]\nk=\"half\n", "A", "k", "\"half"},
                      ValueCase{"[A]\nk=a=b\n", "A", "k", "a=b"},
                      ValueCase{"[A]\nk=C:\\x\\y.ign\n", "A", "k", "C:\\x\\y.ign"},
                      ValueCase{"[A]\n;k=1\n", "A", "k", std::nullopt},
                      ValueCase{"[B]\nk=1\n", "A", "k", std::nullopt},
                      ValueCase{"k=1\n[A]\n", "A", "k", std::nullopt},
                      ValueCase{"[A]\nk=1\n[B]\nk=2", "B", "k", "2"},
                      ValueCase{"", "A", "k", std::nullopt}));

TEST(IniText, UpdateReplacesInPlaceAndAppendsToTheSection) {
    TIniText ini = ParseIniText("; head\r\n[A]\r\nx=1\r\nK=old\r\n\r\n[B]\r\ny=2\r\n");
    SetIniValue(ini, "a", "k", "new");
    SetIniValue(ini, "A", "z", "3");
    SetIniValue(ini, "C", "w", "4");
    EXPECT_EQ(IniTextString(ini),
              "; head\r\n[A]\r\nx=1\r\nk=new\r\nz=3\r\n\r\n[B]\r\ny=2\r\n[C]\r\nw=4\r\n");
}

TEST(IniText, ValuesReadBackAsWritten) {
    for (const std::string v : {"", " lead", "trail ", "\"both\"", "'one", "a;b=c", "C:\\d\\e"}) {
        TIniText ini;
        SetIniValue(ini, "S", "k", v);
        EXPECT_EQ(IniValue(ParseIniText(IniTextString(ini)), "S", "k"), v) << v;
    }
}

// A line break inside a value would start a key of its own.
TEST(IniText, LineBreaksNeverReachTheFile) {
    TIniText ini;
    SetIniValue(ini, "S", "File", "a.ign\nComPort=7");
    const TIniText back = ParseIniText(IniTextString(ini));
    EXPECT_EQ(IniValue(back, "S", "File"), "");
    EXPECT_EQ(IniValue(back, "S", "ComPort"), std::nullopt);
}

} // namespace

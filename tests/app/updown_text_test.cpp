#include "app/updown_text.h"

#include <gtest/gtest.h>

TEST(UpDownText, GroupsDigitsFromOneThousandOn) {
    struct Case {
        int value;
        const char* text;
    } cases[] = {{0, "0"},          {999, "999"}, {1000, "1 000"},   {15000, "15 000"},
                 {25000, "25 000"}, {-30, "-30"}, {-1234, "-1 234"}, {1000000, "1 000 000"}};
    for (const auto& c : cases) EXPECT_EQ(FormatUpDownValue(c.value, " "), c.text) << c.value;
    EXPECT_EQ(FormatUpDownValue(14900, "\xC2\xA0"), "14\xC2\xA0"
                                                    "900");
}

TEST(UpDownText, ReadsNumbersWithOrWithoutSeparators) {
    struct Case {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"14950", 14950},
        {" 15 000 ", 15000},
        {"15,000", 15000},
        {"-30", -30},
        {"+5", 5},
        {"1\xC2\xA0"
         "000",
         1000},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt},
        {"1,", std::nullopt},
        {",1", std::nullopt},
        {"-", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseUpDownText(c.text, ","), c.value) << c.text;
}

#include "mapedit/format.h"

#include <gtest/gtest.h>

struct ValueCase {
    long long n;
    double factor;
    const char* unit;
    bool show;
    const char* want;
};

class FormatValueCases : public testing::TestWithParam<ValueCase> {};

TEST_P(FormatValueCases, Text) {
    const ValueCase& c = GetParam();
    EXPECT_EQ(FormatValue(c.n, c.factor, c.unit ? c.unit : "", c.show), c.want);
}

INSTANTIATE_TEST_SUITE_P(Examples, FormatValueCases,
                         testing::Values(ValueCase{12345, 1, nullptr, false, "12 345"},
                                         ValueCase{-123456, 1, nullptr, false, "-123 456"},
                                         ValueCase{-123, 1, nullptr, false, "-123"},
                                         ValueCase{150, 0.02, nullptr, false, "3"},
                                         ValueCase{7, 0.02, nullptr, false, "0.14"},
                                         ValueCase{25, 1, "%", true, "25 %"},
                                         ValueCase{25, 1, "%", false, "25"},
                                         ValueCase{10, 100, nullptr, false, "1 000"},
                                         ValueCase{1234567, 1, nullptr, false, "1 234 567"},
                                         ValueCase{4500, 0.001, "V", true, "4.5 V"},
                                         ValueCase{-1500, 0.5, nullptr, false, "-750"},
                                         ValueCase{0, 0.001, nullptr, false, "0"},
                                         ValueCase{-12345, 0.1, nullptr, false, "-1 234.5"}));

TEST(DecimalsForFactor, FromLog10) {
    EXPECT_EQ(DecimalsForFactor(1), 0);
    EXPECT_EQ(DecimalsForFactor(100), 0);
    EXPECT_EQ(DecimalsForFactor(0.5), 1);
    EXPECT_EQ(DecimalsForFactor(0.1), 1);
    EXPECT_EQ(DecimalsForFactor(0.02), 2);
    EXPECT_EQ(DecimalsForFactor(0.01), 2);
    EXPECT_EQ(DecimalsForFactor(0.001), 3);
    EXPECT_EQ(DecimalsForFactor(0), 0);
}

TEST(FormatAxisNumber, FormByStep) {
    struct {
        double step, value;
        const char* want;
    } cases[] = {{0.5, 2.5, "2.5"},         {2000, 14000, "14k"},    {0.005, 0.02, "20m"},
                 {0.0005, 0.0015, "1.50m"}, {0.05, 0.25, "0.25"},    {5, 35, "35"},
                 {2000000, 4e6, "4M"},      {1000, 999999, "1000k"}, {1, -20, "-20"}};
    for (auto c : cases) EXPECT_EQ(FormatAxisNumber(c.step, c.value), c.want) << c.step;
}

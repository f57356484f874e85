#include "model/defaults.h"
#include "model/normalise.h"
#include "test_images.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Values(const TParamImage& img, const FieldDesc& f) {
    std::vector<int> out;
    for (int i = 0; i < f.count; ++i) out.push_back(img.get(f, i));
    return out;
}

std::vector<int> Ramp(int first, int n) {
    std::vector<int> out;
    for (int i = 0; i < n; ++i) out.push_back(first + i);
    return out;
}

void FillField(TParamImage& img, const FieldDesc& f, int v) {
    for (int i = 0; i < f.count; ++i) img.set(f, i, v);
}

TParamImage NormalStartupImage() {
    TParamImage img = StartupImage();
    NormaliseImage(img);
    return img;
}

class Normalise : public ::testing::Test {
  protected:
    TParamImage img = NormalStartupImage();
};

TEST_F(Normalise, IsIdempotentOnRandomImages) {
    for (unsigned seed = 1; seed <= 50; ++seed) {
        TParamImage once = RandomImage(seed);
        NormaliseImage(once);
        TParamImage twice = once;
        NormaliseImage(twice);
        EXPECT_EQ(twice, once) << "seed " << seed;
    }
}

struct AxisCase {
    const char* name;
    const FieldDesc* axis;
    int fill;
    std::vector<int> expected;
};

class NormaliseAxis : public ::testing::TestWithParam<AxisCase> {};

TEST_P(NormaliseAxis, ClampsAndOrders) {
    const AxisCase& c = GetParam();
    TParamImage img = StartupImage();
    FillField(img, *c.axis, c.fill);
    NormaliseImage(img);
    EXPECT_EQ(Values(img, *c.axis), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Axes, NormaliseAxis,
    ::testing::Values(AxisCase{"AdvSpeedZero", &Field::AdvSpeedAxis, 0, Ramp(3, 15)},
                      AxisCase{"AdvSpeedFull", &Field::AdvSpeedAxis, 255, Ramp(186, 15)},
                      AxisCase{"ServoSpeedZero", &Field::ServoSpeedAxis, 0, Ramp(3, 15)},
                      AxisCase{"ServoSpeedFull", &Field::ServoSpeedAxis, 255, Ramp(191, 15)},
                      AxisCase{"AdvLoadZero", &Field::AdvLoadAxis, 0, Ramp(0, 10)},
                      AxisCase{"AdvLoadFull", &Field::AdvLoadAxis, 1000, Ramp(991, 10)},
                      AxisCase{"AdvLoadWordMax", &Field::AdvLoadAxis, 0xFFFF, Ramp(991, 10)},
                      AxisCase{"ServoLoadZero", &Field::ServoLoadAxis, 0, Ramp(0, 10)},
                      AxisCase{"ServoLoadFull", &Field::ServoLoadAxis, 1000, Ramp(991, 10)},
                      AxisCase{"ServoLoadFlat", &Field::ServoLoadAxis, 500, Ramp(500, 10)}),
    [](const auto& info) { return info.param.name; });

TEST_F(Normalise, AxisOutOfOrderEntryRisesAbovePredecessor) {
    const std::vector<int> in = {15, 20, 30, 25, 50, 60, 70, 80, 90, 100, 101, 102, 103, 104, 105};
    for (int i = 0; i < 15; ++i) img.set(Field::AdvSpeedAxis, i, in[i]);
    NormaliseImage(img);
    std::vector<int> want = in;
    want[3] = 31;
    EXPECT_EQ(Values(img, Field::AdvSpeedAxis), want);
}

TEST_F(Normalise, LoadAxesAreNormalisedSeparately) {
    FillField(img, Field::AdvLoadAxis, 0);
    const std::vector<int> servoBefore = Values(img, Field::ServoLoadAxis);
    NormaliseImage(img);
    EXPECT_EQ(Values(img, Field::AdvLoadAxis), Ramp(0, 10));
    EXPECT_EQ(Values(img, Field::ServoLoadAxis), servoBefore);
}

struct ThrottleCase {
    int low, high, expectedHigh;
};

TEST_F(Normalise, ThrottleHighStaysTenAboveLow) {
    const ThrottleCase cases[] = {
        {700, 0, 710},
        {700, 709, 710},
        {700, 710, 710},
        {700, 3790, 3790},
        {0, 0, 10},
        // A word cannot hold 65535 + 10: the high voltage stops at the top
        // instead of wrapping round to a few millivolts.
        {65530, 100, 65535},
    };
    for (const auto& c : cases) {
        img.set(Field::TpsLow, c.low);
        img.set(Field::TpsHigh, c.high);
        NormaliseImage(img);
        EXPECT_EQ(img.get(Field::TpsLow), c.low);
        EXPECT_EQ(img.get(Field::TpsHigh), c.expectedHigh) << c.low << "/" << c.high;
    }
}

struct LobeRefCase {
    int method, lobes;
    uint8_t in, expected;
};

TEST_F(Normalise, LobeRefsFollowLobeCountAndMethod) {
    const LobeRefCase cases[] = {
        {1, 4, 0x00, 0x01}, // lobe 0 becomes lobe 1
        {4, 4, 0xC9, 0xC4}, // method 4 keeps the second pick-up
        {1, 4, 0xC9, 0x44}, // method 1 clears it
        {9, 4, 0x83, 0x83},    {0, 4, 0xC5, 0xC1},
        {12, 46, 0x5B, 0x5B},  {2, 4, 0x40, 0x41}, // flags kept, lobe 0 raised
        {1, 0x45, 0x3F, 0x05},                     // lobe count read from its low six bits
    };
    for (const auto& c : cases) {
        img.set(Field::SyncMethod, c.method);
        img.set(Field::LobeCount, c.lobes);
        for (int ch = 0; ch < 4; ++ch) {
            img.set(Field::MaxAdvTrigger, ch, c.in);
            img.set(Field::StartAdvTrigger, ch, c.in);
        }
        NormaliseImage(img);
        for (int ch = 0; ch < 4; ++ch) {
            EXPECT_EQ(img.get(Field::MaxAdvTrigger, ch), c.expected)
                << "method " << c.method << " in " << int(c.in);
            EXPECT_EQ(img.get(Field::StartAdvTrigger, ch), c.expected);
        }
    }
}

TEST_F(Normalise, MethodZeroForcesOneLobe) {
    img.set(Field::SyncMethod, 0);
    img.set(Field::LobeCount, 7);
    const uint8_t refs[] = {3, 0x47, 0x85, 0xC2};
    for (int ch = 0; ch < 4; ++ch) {
        img.set(Field::MaxAdvTrigger, ch, refs[ch]);
        img.set(Field::StartAdvTrigger, ch, refs[ch]);
    }
    NormaliseImage(img);
    EXPECT_EQ(img.get(Field::LobeCount), 1);
    for (int ch = 0; ch < 4; ++ch) {
        EXPECT_EQ(img.get(Field::MaxAdvTrigger, ch) & kLobeNumberMask, 1);
        EXPECT_EQ(img.get(Field::MaxAdvTrigger, ch) & ~kLobeNumberMask,
                  refs[ch] & ~kLobeNumberMask);
    }
}

TEST_F(Normalise, OutputCountCappedAtFour) {
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {3, 3}, {4, 4}, {5, 4}, {255, 4}};
    for (auto [in, want] : cases) {
        img.set(Field::OutputCount, in);
        NormaliseImage(img);
        EXPECT_EQ(img.get(Field::OutputCount), want) << in;
    }
}

struct PowerOutCase {
    int sensor;
    int lower, upper;
    int expectedLower, expectedUpper;
};

TEST_F(Normalise, PowerOutputLoadThresholdsFollowTheSensor) {
    const PowerOutCase cases[] = {
        {0, 500, 400, 500, 501},
        {0, 75, 90, 75, 90},
        {1, 150, 200, 99, 100},
        {1, 50, 20, 50, 51},
        {1, 99, 99, 99, 100},
        {2, 1200, 1000, 998, 999},
        {2, 500, 700, 500, 700},
        {2, 998, 998, 998, 999},
        {0, 0xFFFF, 0xFFFF, 0xFFFE, 0xFFFF}, // never wraps to 0
    };
    for (const auto& c : cases) {
        img.set(Field::LoadSensor, c.sensor);
        for (const FieldDesc* load : {&Field::PowerOut1Load, &Field::PowerOut2Load}) {
            img.set(*load, 0, c.lower);
            img.set(*load, 1, c.upper);
        }
        NormaliseImage(img);
        for (const FieldDesc* load : {&Field::PowerOut1Load, &Field::PowerOut2Load}) {
            EXPECT_EQ(img.get(*load, 0), c.expectedLower) << "sensor " << c.sensor;
            EXPECT_EQ(img.get(*load, 1), c.expectedUpper) << "sensor " << c.sensor;
        }
    }
}

TEST_F(Normalise, PowerOutputModeAndSpeeds) {
    img.set(Field::PowerOut1Mode, 9);
    img.set(Field::PowerOut2Mode, 2);
    const int speeds1[] = {50, 50, 10};
    const int speeds2[] = {255, 255, 255};
    for (int i = 0; i < 3; ++i) {
        img.set(Field::PowerOut1Speeds, i, speeds1[i]);
        img.set(Field::PowerOut2Speeds, i, speeds2[i]);
    }
    NormaliseImage(img);
    EXPECT_EQ(img.get(Field::PowerOut1Mode), 3);
    EXPECT_EQ(img.get(Field::PowerOut2Mode), 2);
    EXPECT_EQ(Values(img, Field::PowerOut1Speeds), (std::vector<int>{50, 51, 52}));
    // The top of a byte leaves no room above: the chain ends at 255 instead of wrapping.
    EXPECT_EQ(Values(img, Field::PowerOut2Speeds), (std::vector<int>{253, 254, 255}));
}

TEST_F(Normalise, UncoveredValuesAreKept) {
    img.set(Field::SyncMethod, 40);
    img.set(Field::IgnitionsPerRev, 9);
    img.set(Field::Pickup1Polarity, 7);
    TParamImage want = img;
    NormaliseImage(img);
    // Method 40 is not 0, 4 or 9: only the second pick-up bits may change.
    for (const FieldDesc* f : {&Field::MaxAdvTrigger, &Field::StartAdvTrigger})
        for (int ch = 0; ch < 4; ++ch) want.set(*f, ch, want.get(*f, ch) & 0x7F);
    EXPECT_EQ(ImageDiff(img, want), "");
}

} // namespace

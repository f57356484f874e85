#include "model/defaults.h"
#include "model/normalise.h"
#include "model/page_values.h"
#include "test_images.h"

#include <gtest/gtest.h>

namespace {

const FieldDesc* const kDwell[] = {&Field::DwellMode,       &Field::DwellTime,
                                   &Field::DwellCorrection, &Field::DwellDynamic,
                                   &Field::DwellMaxTime,    &Field::DwellLobeMaxSpeed};

TEST(PageValues, ImageRoundTripKeepsEveryByteButDwellAndOutputCount) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const TParamImage base = RandomImage(seed);
        TParamImage img = base;
        ValuesToImage(ImageToValues(img), img);
        TParamImage want = base;
        for (const FieldDesc* f : kDwell) want.set(*f, 0);
        const int outputs = base.get(Field::OutputCount);
        want.set(Field::OutputCount, outputs == 0 ? 1 : std::min(outputs, 4));
        EXPECT_EQ(ImageDiff(img, want), "") << "seed " << seed;
    }
}

TEST(PageValues, StoringLeavesMapsAxesColumnsAndReservedBytes) {
    const TParamImage target = RandomImage(5);
    TParamImage img = target;
    ValuesToImage(ImageToValues(RandomImage(6)), img);
    for (const FieldDesc* f : {&Field::AdvanceMap, &Field::ServoMap, &Field::AdvSpeedAxis,
                               &Field::ServoSpeedAxis, &Field::AdvColumns, &Field::ServoColumns,
                               &Field::Reserved60, &Field::Reserved83, &Field::Reserved157})
        for (int off = f->offset; off < f->end(); ++off) EXPECT_EQ(img[off], target[off]) << off;
}

TEST(PageValues, DecodesDisplayUnits) {
    TParamImage img = StartupImage();
    img.set(Field::TachoCorrection, 70);
    img.set(Field::MaxAdvTrigger, 2, 0xC9);
    img.set(Field::ServoHysteresis, 20);
    img.set(Field::CylCorrection, 3, 130);
    const TPageValues v = ImageToValues(img);
    EXPECT_EQ(v.limiter, 11000);
    EXPECT_EQ(v.startLimiter, 10000);
    EXPECT_EQ(v.clutchPause, 500);
    EXPECT_EQ(v.dwellTime, 3000);
    EXPECT_EQ(v.dwellLobeMaxSpeed, 900);
    EXPECT_EQ(v.minDischarge, 2000);
    EXPECT_EQ(v.tpsHigh, 3790);
    EXPECT_EQ(v.tachoCorrection, -30);
    EXPECT_EQ(v.cylCorrection[3], 30);
    EXPECT_EQ(v.servoHysteresis, 100);
    EXPECT_EQ(v.powerOut[0].speeds[1], 12500);
    EXPECT_EQ(v.powerOut[1].hysteresis, 100);
    EXPECT_EQ(v.testSpeed, 5000);
    EXPECT_EQ(v.servoTestTime, 500);
    EXPECT_EQ(v.advLoadAxis[9], 100);
    EXPECT_EQ(v.channels[2].maxAdvLobe, 9);
    EXPECT_EQ(v.channels[2].maxAdvSecondEdge, 1);
    EXPECT_EQ(v.channels[2].maxAdvSecondPickup, 1);
    EXPECT_EQ(v.channels[0].maxAdvLobe, 1);
    EXPECT_EQ(v.channels[0].maxAdvSecondEdge, 1); // 65
}

TEST(PageValues, OutputCountReadsWithinOneToFour) {
    const std::pair<int, int> cases[] = {{0, 1}, {1, 1}, {3, 3}, {4, 4}, {5, 4}, {255, 4}};
    for (auto [stored, shown] : cases) {
        TParamImage img;
        img.set(Field::OutputCount, stored);
        EXPECT_EQ(ImageToValues(img).outputCount, shown) << stored;
    }
}

struct StoreCase {
    const char* what;
    void (*set)(TPageValues&);
    const FieldDesc* field;
    int stored;
};

TEST(PageValues, StoringTruncatesAndStopsAtTheLimits) {
    const StoreCase cases[] = {
        {"limiter 14950", [](TPageValues& v) { v.limiter = 14950; }, &Field::Limiter, 149},
        {"clutch 105", [](TPageValues& v) { v.clutchTime = 105; }, &Field::ClutchTime, 10},
        {"hysteresis 104", [](TPageValues& v) { v.servoHysteresis = 104; }, &Field::ServoHysteresis,
         20},
        {"correction -30", [](TPageValues& v) { v.cylCorrection[0] = -30; }, &Field::CylCorrection,
         70},
        {"tacho -101 wraps", [](TPageValues& v) { v.tachoCorrection = -101; },
         &Field::TachoCorrection, 255},
        // Beyond the stored width: the nearest limit, never a wrapped small value.
        {"limiter 26000", [](TPageValues& v) { v.limiter = 26000; }, &Field::Limiter, 255},
        {"retard 300", [](TPageValues& v) { v.retard = 300; }, &Field::Retard, 255},
        {"retard -5", [](TPageValues& v) { v.retard = -5; }, &Field::Retard, 0},
        {"tps 70000", [](TPageValues& v) { v.tpsHigh = 70000; }, &Field::TpsHigh, 0xFFFF},
    };
    for (const auto& c : cases) {
        TParamImage img = StartupImage();
        TPageValues v = ImageToValues(img);
        c.set(v);
        ValuesToImage(v, img);
        EXPECT_EQ(img.get(*c.field), c.stored) << c.what;
    }
}

TEST(PageValues, TriggersStoreLobeAndFlags) {
    TParamImage img = StartupImage();
    TPageValues v = ImageToValues(img);
    v.channels[3] = {58, 1, 0, 7, 0, 1};
    ValuesToImage(v, img);
    EXPECT_EQ(img.get(Field::MaxAdvTrigger, 3), 58 | 64);
    EXPECT_EQ(img.get(Field::StartAdvTrigger, 3), 7 | 128);
}

TEST(PageValues, DwellBytesAreAlwaysStoredAsZero) {
    TParamImage img = StartupImage();
    ValuesToImage(ImageToValues(img), img);
    for (const FieldDesc* f : kDwell) EXPECT_EQ(img.get(*f), 0);
}

TEST(PageValues, BikePins) {
    TPageValues v = ImageToValues(StartupImage());
    v.bikeCode = 5;
    v.compensation = {1, 2, 3, 4};
    v.lowerAdvanceAtStart = 1;
    v.tachoCorrection = -20;
    TPageValues want = v;
    want.bikeCode = 22;
    want.tachoPulses = 1;
    want.tachoCorrection = 0;
    want.pickup1Polarity = 1;
    want.pickupsInterchanged = 1;
    want.noPolarityCheck = 1;
    want.lowerAdvanceAtStart = 0;
    want.compensation = {11, 11, 11, 4};
    PinBikePageValues(v);
    EXPECT_EQ(v, want);
}

TEST(PageValues, MiscPins) {
    struct Case {
        int input1, expectedInput1;
    };
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{2, 0}, Case{6, 0}}) {
        TPageValues v = ImageToValues(StartupImage());
        v.input1Function = c.input1;
        v.input2Function = 3;
        v.inputsNeutralStand = 1;
        v.loadSensor = 2;
        TPageValues want = v;
        want.input1Function = c.expectedInput1;
        want.input2Function = 0;
        want.inputsNeutralStand = 0;
        want.loadSensor = 0;
        PinMiscPageValues(v);
        EXPECT_EQ(v, want) << c.input1;
    }
}

TEST(PageValues, BikeReadRuleClearsSpecialOptionsOfPresetBikes) {
    TPageValues v;
    v.noPolarityCheck = v.interlockInput = v.sparkBeforeLobe = 1;
    v.bikeCode = 22;
    TPageValues special = v;
    ApplyBikePageReadRule(special);
    EXPECT_EQ(special, v);

    v.bikeCode = 20;
    ApplyBikePageReadRule(v);
    EXPECT_EQ(v.noPolarityCheck, 0);
    EXPECT_EQ(v.interlockInput, 0);
    EXPECT_EQ(v.sparkBeforeLobe, 0);
}

TEST(PageValues, Method8ForcesEverySecondEdge) {
    for (int method : {7, 8, 9}) {
        TPageValues v;
        v.syncMethod = method;
        v.channels[1].maxAdvSecondPickup = 1;
        ForceSecondEdgesForMethod8(v);
        for (const TChannelValues& c : v.channels) {
            EXPECT_EQ(c.maxAdvSecondEdge, method == 8 ? 1 : 0);
            EXPECT_EQ(c.startAdvSecondEdge, method == 8 ? 1 : 0);
        }
        EXPECT_EQ(v.channels[1].maxAdvSecondPickup, 1);
    }
}

TEST(PageValues, IgnitionsDropDownMapping) {
    const int codeForIndex[] = {1, 2, 3, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(IgnitionsCodeForIndex(i), codeForIndex[i]);
        EXPECT_EQ(IgnitionsIndexForCode(codeForIndex[i]), i);
    }
}

class EditionPins : public ::testing::Test {
  protected:
    TParamImage img = StartupImage();
};

TEST_F(EditionPins, LoadedBike5BecomesTheSpecialSetting) {
    img.set(Field::BikeCode, 5);
    img.set(Field::TachoPulses, 3);
    img.set(Field::TachoCorrection, 120);
    img.set(Field::Pickup1Polarity, 2);
    img.set(Field::PickupsInterchanged, 0);
    img.set(Field::NoLobeCheck, 0);
    img.set(Field::Input1Function, 5);
    img.set(Field::LoadSensor, 1);
    ApplyEditionPins(img);
    EXPECT_EQ(img.get(Field::BikeCode), 22);
    EXPECT_EQ(img.get(Field::TachoPulses), 1);
    EXPECT_EQ(img.get(Field::TachoCorrection), 100); // 0 %
    EXPECT_EQ(img.get(Field::Pickup1Polarity), 1);   // Minus
    EXPECT_EQ(img.get(Field::PickupsInterchanged), 1);
    EXPECT_EQ(img.get(Field::NoLobeCheck), 1);
    EXPECT_EQ(img.get(Field::Input1Function), 0);
    EXPECT_EQ(img.get(Field::LoadSensor), 0);
    for (const FieldDesc* f : kDwell) EXPECT_EQ(img.get(*f), 0);
}

TEST_F(EditionPins, ResultIsNormalAndStable) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        img = RandomImage(seed);
        ApplyEditionPins(img);
        TParamImage again = img;
        NormaliseImage(again);
        EXPECT_EQ(ImageDiff(again, img), "") << "normal, seed " << seed;
        ApplyEditionPins(again);
        EXPECT_EQ(ImageDiff(again, img), "") << "stable, seed " << seed;
    }
}

TEST_F(EditionPins, Method8SetsSecondEdges) {
    img.set(Field::SyncMethod, 8);
    img.set(Field::LobeCount, 46);
    for (int ch = 0; ch < 4; ++ch) {
        img.set(Field::MaxAdvTrigger, ch, 10 + ch);
        img.set(Field::StartAdvTrigger, ch, 20 + ch);
    }
    ApplyEditionPins(img);
    for (int ch = 0; ch < 4; ++ch) {
        EXPECT_EQ(img.get(Field::MaxAdvTrigger, ch), (10 + ch) | kLobeSecondEdge);
        EXPECT_EQ(img.get(Field::StartAdvTrigger, ch), (20 + ch) | kLobeSecondEdge);
    }
}

} // namespace

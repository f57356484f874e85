#include "model/defaults.h"
#include "model/normalise.h"
#include "model/presets.h"
#include "test_images.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

TEST(PresetList, IndexAndCodeMapBothWays) {
    std::set<int> codes;
    for (int i = 0; i < kPresetCount; ++i) {
        const int code = PresetCodeForIndex(i);
        codes.insert(code);
        EXPECT_EQ(PresetIndexForCode(code), i);
    }
    EXPECT_EQ(codes.size(), size_t(kPresetCount));
    EXPECT_EQ(PresetIndexForCode(kBikeCodeSpecial), 38);
    EXPECT_EQ(PresetCodeForIndex(0), 23);
    EXPECT_EQ(PresetCodeForIndex(34), 20);
}

TEST(PresetList, UnknownCodesAndIndicesLeaveTheSelection) {
    for (int code : {-1, 39, 200, 255}) EXPECT_EQ(PresetIndexForCode(code), std::nullopt) << code;
    EXPECT_EQ(PresetCodeForIndex(-1), -1);
    EXPECT_EQ(PresetCodeForIndex(39), -1);
    EXPECT_STREQ(PresetEntryText(39), "");
}

TEST(PresetList, EntryTextsAreTheUnitsOwn) {
    EXPECT_STREQ(PresetEntryText(0), "3 Cylinder, 1 pickup");
    EXPECT_STREQ(PresetEntryText(16), "Classic (1 lobe, 1 or 2 pick-up) "); // trailing space kept
    EXPECT_STREQ(PresetEntryText(19), "Classic (1 lobe per 2 rev. (CMPS),1 or 2 pick-up)");
    EXPECT_STREQ(PresetEntryText(37), "3 Cylinder, 1 pickup - kick start");
    EXPECT_STREQ(PresetEntryText(38), "Special setting");
}

// The Bike-group result of resetting all groups with a code, normalised.
struct PresetCase {
    int code;
    int method, lobes, outputs;
    std::array<int, 4> maxAdv, startAdv; // after normalisation
    int pulses, ignitions, interchanged, input1;
};

class PresetApply : public ::testing::TestWithParam<PresetCase> {};

TEST_P(PresetApply, ResetOfAllGroupsGivesThePresetSetUp) {
    const PresetCase& c = GetParam();
    TParamImage img = RandomImage(c.code + 100);
    img.set(Field::BikeCode, c.code);
    ApplyDefaults(img, PageSelection::All());
    NormaliseImage(img);
    EXPECT_EQ(img.get(Field::SyncMethod), c.method);
    EXPECT_EQ(img.get(Field::LobeCount), c.lobes);
    EXPECT_EQ(img.get(Field::OutputCount), c.outputs);
    for (int ch = 0; ch < 4; ++ch) {
        EXPECT_EQ(img.get(Field::MaxAdvTrigger, ch), c.maxAdv[ch]) << "channel " << ch + 1;
        EXPECT_EQ(img.get(Field::StartAdvTrigger, ch), c.startAdv[ch]) << "channel " << ch + 1;
    }
    EXPECT_EQ(img.get(Field::TachoPulses), c.pulses);
    EXPECT_EQ(img.get(Field::IgnitionsPerRev), c.ignitions);
    EXPECT_EQ(img.get(Field::PickupsInterchanged), c.interchanged);
    EXPECT_EQ(img.get(Field::Input1Function), c.input1);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, PresetApply,
    ::testing::Values(
        // Honda VFR 400: four pulses.
        PresetCase{4, 4, 7, 2, {4, 6, 1, 1}, {5, 7, 1, 1}, 4, 1, 0, 0},
        // Classic, 1 lobe: method 0 keeps the second pick-up bits.
        PresetCase{7, 0, 1, 2, {1, 129, 129, 1}, {65, 193, 193, 65}, 1, 1, 0, 0},
        // Yamaha R1.
        PresetCase{19, 2, 4, 2, {3, 1, 1, 1}, {4, 2, 1, 1}, 2, 1, 0, 2},
        // Kawasaki KZ 1300: method 9 keeps the second pick-up, three channels.
        PresetCase{35, 9, 4, 3, {1, 129, 131, 1}, {2, 130, 132, 1}, 1, 1, 0, 0},
        // 24-2 and 24-1 cam wheels: interchanged pick-ups, one ignition per two revolutions.
        PresetCase{36, 12, 44, 4, {90, 102, 80, 68}, {93, 105, 83, 71}, 1, 0, 1, 0},
        PresetCase{37, 12, 46, 4, {91, 103, 80, 68}, {94, 106, 83, 71}, 1, 0, 1, 0},
        // Yamaha 125 SR: method 4 keeps the second pick-up; input 1 Kill switch.
        PresetCase{17, 4, 2, 2, {2, 193, 1, 1}, {193, 194, 1, 1}, 2, 1, 0, 1},
        // Honda VT 600: 197 is lobe 5 of 7 on the second pick-up, second edge.
        PresetCase{5, 4, 7, 2, {65, 197, 1, 1}, {66, 198, 1, 1}, 2, 1, 0, 0},
        // Classic, 3 lobes per revolution.
        PresetCase{29, 0, 1, 1, {1, 129, 129, 1}, {65, 193, 193, 65}, 1, 3, 0, 0}),
    [](const auto& info) { return "code" + std::to_string(info.param.code); });

TEST(PresetApply, SpecialSettingAndUnknownCodesChangeNothing) {
    for (int code : {int(kBikeCodeSpecial), 39, 255}) {
        const TParamImage base = RandomImage(code);
        TParamImage img = base;
        ApplyPreset(img, code, PageSelection::All());
        EXPECT_EQ(img, base) << code;
    }
}

TEST(PresetApply, OnlySelectedGroupsReceiveThePreset) {
    const TParamImage base = RandomImage(77);
    TParamImage img = base;
    ApplyPreset(img, 19, PageSelection::Only(PageGroup::Servo));
    TParamImage want = base;
    want.set(Field::ServoEnabled, 1);
    EXPECT_EQ(ImageDiff(img, want), "");

    img = base;
    ApplyPreset(img, 19, PageSelection::Only(PageGroup::Miscellaneous));
    EXPECT_EQ(img, base);
}

TEST(PresetApply, HarleySetsPickupPolarityAndCamshaft) {
    TParamImage img = StartupImage();
    ApplyPreset(img, 31, PageSelection::Only(PageGroup::Bike));
    EXPECT_EQ(img.get(Field::Pickup1Polarity), 1);
    EXPECT_EQ(img.get(Field::IgnitionsPerRev), 0);
    EXPECT_EQ(img.get(Field::SyncMethod), 7);
}

TEST(PresetApply, HondaCbr9pSetsNeutralStandInputsWithMiscDefaults) {
    TParamImage img = StartupImage();
    img.set(Field::BikeCode, 2);
    ApplyDefaults(img, PageSelection::Only(PageGroup::Miscellaneous));
    EXPECT_EQ(img.get(Field::Input1Function), 2);
    EXPECT_EQ(img.get(Field::Input2Function), 0);
    EXPECT_EQ(img.get(Field::InputsNeutralStand), 1);
}

} // namespace

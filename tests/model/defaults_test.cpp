#include "model/defaults.h"
#include "model/normalise.h"
#include "model/presets.h"
#include "test_images.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void CopyField(TParamImage& to, const TParamImage& from, const FieldDesc& f) {
    for (int off = f.offset; off < f.end(); ++off) to[off] = from[off];
}

TParamImage RandomImageWithCode(unsigned seed, int code) {
    TParamImage img = RandomImage(seed);
    img.set(Field::BikeCode, code);
    return img;
}

TEST(StartupImage, HoldsTheFactoryValuesOfYamahaR6) {
    const TParamImage img = StartupImage();
    EXPECT_EQ(img.get(Field::BikeCode), 20);
    EXPECT_EQ(img.get(Field::Limiter), 110);
    EXPECT_EQ(img.get(Field::StartLimiter), 100);
    EXPECT_EQ(img.get(Field::TpsLow), 700);
    EXPECT_EQ(img.get(Field::TpsHigh), 3790);
    EXPECT_EQ(img.get(Field::IapVoltage2), 3756);
    const int dwell[] = {3, 30, 100, 12, 100, 9};
    const FieldDesc* dwellFields[] = {&Field::DwellMode,       &Field::DwellTime,
                                      &Field::DwellCorrection, &Field::DwellDynamic,
                                      &Field::DwellMaxTime,    &Field::DwellLobeMaxSpeed};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(img.get(*dwellFields[i]), dwell[i]);
    EXPECT_EQ(img.get(Field::IgnitionsPerRev), 1);
    EXPECT_EQ(img.get(Field::Input1Function), 2);
    EXPECT_EQ(img.get(Field::TachoPulses), 2);
    // Preset of code 20: method 1, five lobes, two outputs.
    EXPECT_EQ(img.get(Field::SyncMethod), 1);
    EXPECT_EQ(img.get(Field::LobeCount), 5);
    EXPECT_EQ(img.get(Field::OutputCount), 2);
    EXPECT_EQ(img.get(Field::MaxAdvTrigger, 0), 65);
    EXPECT_EQ(img.get(Field::MaxAdvTrigger, 1), 67);
    EXPECT_EQ(img.get(Field::StartAdvTrigger, 0), 66);
    EXPECT_EQ(img.get(Field::StartAdvTrigger, 1), 68);
    // Advance map: degrees + 100, columns 10..14 repeat column 9.
    EXPECT_EQ(img[MapCell(Field::AdvanceMap, 0, 0)], 110);
    EXPECT_EQ(img[MapCell(Field::AdvanceMap, 2, 4)], 145);
    EXPECT_EQ(img[MapCell(Field::AdvanceMap, 4, 9)], 131);
    EXPECT_EQ(img[MapCell(Field::AdvanceMap, 4, 14)], 131);
    EXPECT_EQ(img[MapCell(Field::AdvanceMap, 6, 8)], 133);
    EXPECT_EQ(img.get(Field::AdvSpeedAxis, 14), 105);
    // Servo table A: speeds /100 continuing by 100 rpm, voltages /20.
    EXPECT_EQ(img.get(Field::ServoSpeedAxis, 0), 12);
    EXPECT_EQ(img.get(Field::ServoSpeedAxis, 9), 160);
    EXPECT_EQ(img.get(Field::ServoSpeedAxis, 14), 165);
    EXPECT_EQ(img[MapCell(Field::ServoMap, 0, 0)], 100);
    EXPECT_EQ(img[MapCell(Field::ServoMap, 9, 9)], 145);
    EXPECT_EQ(img[MapCell(Field::ServoMap, 5, 13)], 145);
    EXPECT_EQ(img.get(Field::ServoEnabled), 0);
    EXPECT_EQ(img.get(Field::PowerOut2Mode), 2);
    EXPECT_EQ(img.get(Field::PowerOut2Speeds, 0), 90);
    EXPECT_EQ(img.get(Field::PowerOut1Load, 1), 90);
    EXPECT_EQ(img.get(Field::TestSpeed), 50);
}

// A reset of one group writes exactly that group's fields, with the values a
// reset of all groups gives them; every other byte stays as it was.
struct GroupCase {
    PageGroup group;
    int code;
};

std::string CaseName(const GroupCase& c) {
    static const char* names[] = {"Misc", "Bike", "Advance", "PowerOut", "Servo", "Test"};
    return std::string(names[int(c.group)]) + "_code" + std::to_string(c.code);
}

TParamImage ExpectedSingleGroupReset(const TParamImage& base, GroupCase c) {
    TParamImage full = base;
    ApplyDefaults(full, PageSelection::All());
    TParamImage want = base;
    for (const auto& nf : kAllFields)
        if (nf.field.defaultGroup == c.group) CopyField(want, full, nf.field);
    // The ignitions code: set to 1 by a Miscellaneous reset, overridden by
    // the preset only when the Bike group is reset too.
    const BikePreset* preset = PresetForCode(c.code);
    const bool special = c.code == kBikeCodeSpecial;
    if (c.group == PageGroup::Miscellaneous)
        want.set(Field::IgnitionsPerRev, special ? base.get(Field::IgnitionsPerRev) : 1);
    if (c.group == PageGroup::Bike && preset)
        for (const PresetExtra& e : preset->extras)
            if (e.field == &Field::IgnitionsPerRev) want.set(*e.field, e.value);
    return want;
}

class SingleGroupReset : public ::testing::TestWithParam<GroupCase> {};

TEST_P(SingleGroupReset, TouchesOnlyItsGroup) {
    const GroupCase c = GetParam();
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const TParamImage base = RandomImageWithCode(seed, c.code);
        TParamImage img = base;
        ApplyDefaults(img, PageSelection::Only(c.group));
        EXPECT_EQ(ImageDiff(img, ExpectedSingleGroupReset(base, c)), "") << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Groups, SingleGroupReset,
    ::testing::Values(GroupCase{PageGroup::Miscellaneous, 20},
                      GroupCase{PageGroup::Miscellaneous, 22},
                      GroupCase{PageGroup::Miscellaneous, 2}, GroupCase{PageGroup::Bike, 20},
                      GroupCase{PageGroup::Bike, 22}, GroupCase{PageGroup::Bike, 37},
                      GroupCase{PageGroup::Bike, 19}, GroupCase{PageGroup::AdvanceMap, 36},
                      GroupCase{PageGroup::AdvanceMap, 37}, GroupCase{PageGroup::PowerOut, 20},
                      GroupCase{PageGroup::Servo, 19}, GroupCase{PageGroup::Servo, 20},
                      GroupCase{PageGroup::Test, 20}, GroupCase{PageGroup::Test, 22}),
    [](const auto& info) { return CaseName(info.param); });

TEST(ApplyDefaults, TestPageChangesOnlyBytes133And134) {
    const TParamImage base = RandomImageWithCode(7, 20);
    TParamImage img = base;
    ApplyDefaults(img, PageSelection::Only(PageGroup::Test));
    TParamImage want = base;
    want.set(Field::TestSpeed, 50);
    want.set(Field::ServoTestTime, 50);
    EXPECT_EQ(ImageDiff(img, want), "");
}

TEST(ApplyDefaults, AdvanceMapPageRestoresMapAxesColumnsAndMode) {
    for (int code : {36, 37, 20}) {
        const TParamImage base = RandomImageWithCode(11, code);
        TParamImage img = base;
        ApplyDefaults(img, PageSelection::Only(PageGroup::AdvanceMap));
        const TParamImage startup = StartupImage();
        TParamImage want = base;
        for (const FieldDesc* f : {&Field::AdvanceMap, &Field::AdvSpeedAxis, &Field::AdvLoadAxis,
                                   &Field::AdvColumns, &Field::AdvMapMode})
            CopyField(want, startup, *f);
        EXPECT_EQ(ImageDiff(img, want), "") << "code " << code;
    }
}

TEST(ApplyDefaults, BikeResetSetsPulsesByCode) {
    TParamImage img = StartupImage();
    img.set(Field::TachoPulses, 6);
    img.set(Field::BikeCode, 4);
    ApplyDefaults(img, PageSelection::Only(PageGroup::Bike));
    EXPECT_EQ(img.get(Field::TachoPulses), 4);

    img.set(Field::TachoPulses, 6);
    img.set(Field::BikeCode, kBikeCodeSpecial);
    ApplyDefaults(img, PageSelection::Only(PageGroup::Bike));
    EXPECT_EQ(img.get(Field::TachoPulses), 6);
}

TEST(ApplyDefaults, SpecialSettingKeepsTheSynchronisationSetUp) {
    TParamImage base = RandomImageWithCode(3, kBikeCodeSpecial);
    TParamImage img = base;
    ApplyDefaults(img, PageSelection::All());
    for (const FieldDesc* f :
         {&Field::MaxAdvTrigger, &Field::StartAdvTrigger, &Field::SyncMethod, &Field::LobeCount,
          &Field::OutputCount, &Field::IgnitionsPerRev, &Field::TachoPulses, &Field::BikeCode}) {
        for (int i = 0; i < f->count; ++i) EXPECT_EQ(img.get(*f, i), base.get(*f, i));
    }
}

TEST(ApplyDefaults, ServoResetWithCode19LoadsTableBAndEnablesServo) {
    TParamImage img = StartupImage();
    img.set(Field::BikeCode, 19);
    ApplyDefaults(img, PageSelection::Only(PageGroup::Servo));
    const int speeds[] = {3, 4, 41, 46, 65, 70, 75, 83, 90, 105, 106, 107, 108, 109, 110};
    for (int i = 0; i < 15; ++i) EXPECT_EQ(img.get(Field::ServoSpeedAxis, i), speeds[i]) << i;
    const int cells[] = {30, 45, 45, 61, 61, 64, 68, 80, 93, 93, 93, 93, 93, 93, 93};
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            EXPECT_EQ(img[MapCell(Field::ServoMap, r, c)], cells[c]) << r << "," << c;
    EXPECT_EQ(img.get(Field::ServoEnabled), 1);
}

TEST(ApplyDefaults, ServoEnableOfCode19NeedsTheServoGroup) {
    TParamImage img = StartupImage();
    img.set(Field::BikeCode, 19);
    ApplyDefaults(img, PageSelection::Only(PageGroup::Bike));
    EXPECT_EQ(img.get(Field::ServoEnabled), 0);
}

TEST(ApplyDefaults, ClassicPresetCode7) {
    TParamImage img = StartupImage();
    img.set(Field::BikeCode, 7);
    ApplyDefaults(img, PageSelection::Only(PageGroup::Bike));
    EXPECT_EQ(img.get(Field::SyncMethod), 0);
    EXPECT_EQ(img.get(Field::LobeCount), 1);
    EXPECT_EQ(img.get(Field::OutputCount), 2);
    const int maxAdv[] = {1, 129, 129, 1}, startAdv[] = {65, 193, 193, 65};
    for (int ch = 0; ch < 4; ++ch) {
        EXPECT_EQ(img.get(Field::MaxAdvTrigger, ch), maxAdv[ch]);
        EXPECT_EQ(img.get(Field::StartAdvTrigger, ch), startAdv[ch]);
    }
}

TEST(ApplyDefaults, TwoOutputPresetLeavesChannels3And4AtZeroUntilNormalised) {
    TParamImage img = RandomImageWithCode(5, 12); // Suzuki SV 650: two outputs
    ApplyDefaults(img, PageSelection::Only(PageGroup::Bike));
    for (int ch : {2, 3}) {
        EXPECT_EQ(img.get(Field::MaxAdvTrigger, ch), 0);
        EXPECT_EQ(img.get(Field::StartAdvTrigger, ch), 0);
    }
    NormaliseImage(img);
    for (int ch : {2, 3}) {
        EXPECT_EQ(img.get(Field::MaxAdvTrigger, ch), 1);
        EXPECT_EQ(img.get(Field::StartAdvTrigger, ch), 1);
    }
    EXPECT_EQ(img.get(Field::MaxAdvTrigger, 1), 1);
    EXPECT_EQ(img.get(Field::StartAdvTrigger, 1), 2);
}

TEST(ApplyDefaults, KeepTriggersLeavesChannelsOfPresetlessChannels) {
    TParamImage base = RandomImageWithCode(9, 12);
    TParamImage img = base;
    ApplyDefaults(img, PageSelection::All(), TriggerReset::Keep);
    for (int ch : {2, 3}) {
        EXPECT_EQ(img.get(Field::MaxAdvTrigger, ch), base.get(Field::MaxAdvTrigger, ch));
        EXPECT_EQ(img.get(Field::StartAdvTrigger, ch), base.get(Field::StartAdvTrigger, ch));
    }
    EXPECT_EQ(img.get(Field::IgnitionsPerRev), 1);
}

TEST(ApplyDefaults, NewIsTheResetOfTheSelection) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        TParamImage a = RandomImageWithCode(seed, 27), b = a;
        NewImage(a, PageSelection::Only(PageGroup::Bike));
        ApplyDefaults(b, PageSelection::Only(PageGroup::Bike));
        EXPECT_EQ(a, b);
    }
}

} // namespace

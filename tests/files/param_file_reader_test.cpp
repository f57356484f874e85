#include "files/param_file_format.h"
#include "files/param_file_load.h"
#include "files/param_file_reader.h"
#include "files/param_file_writer.h"
#include "model/defaults.h"
#include "test_images.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Fields the writer leaves out (dwell, 151, 154) or the reader ignores (133, 134):
// after a load they hold the defaults of the selection.
bool NotCarriedByFile(int offset) {
    return (offset >= Field::DwellMode.offset && offset <= Field::DwellLobeMaxSpeed.offset) ||
           InField(offset, Field::SpecialDwellStart) || InField(offset, Field::MinDischarge) ||
           InField(offset, Field::TestSpeed) || InField(offset, Field::ServoTestTime);
}

std::string WithLf(std::string s) {
    std::erase(s, '\r');
    return s;
}

class ParamFileRoundTrip : public ::testing::TestWithParam<unsigned> {};

TEST_P(ParamFileRoundTrip, EveryWrittenFieldComesBack) {
    const TParamImage original = RandomImage(GetParam());
    const std::string text = ParamFileWriter(original, DefaultParamFileFooter());

    TParamImage defaults = original;
    ApplyDefaults(defaults, PageSelection::All());

    for (const std::string& file : {text, WithLf(text)}) {
        TParamImage loaded = StartupImage();
        const auto out = LoadParamText(file, loaded, PageSelection::All());
        ASSERT_EQ(out.version, 97);
        EXPECT_TRUE(out.messages.empty());
        for (int k = 0; k < kImageSize; ++k) {
            if (NotCarriedByFile(k)) {
                EXPECT_EQ(loaded[k], defaults[k]) << "offset " << k;
            } else if (InField(k, Field::Reserved60) || InField(k, Field::Reserved83) ||
                       InField(k, Field::Reserved157)) {
                EXPECT_EQ(loaded[k], StartupImage()[k]) << "reserved offset " << k;
            } else {
                EXPECT_EQ(loaded[k], original[k]) << "offset " << k;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ParamFileRoundTrip, ::testing::Values(1u, 2u, 3u, 97u, 2013u));

TEST(ParamFileReader, MagicWordLaterInTheFile) {
    TParamImage img = StartupImage();
    const auto r = ParamFileReader("LIMITER 50 notes VELDRONA_KEYS 12 VELDRONA_KEY 97 ZORVEL/x\n"
                                   "LIMITER 120",
                                   img, PageSelection::All(), true);
    EXPECT_EQ(r.version, 97);
    EXPECT_EQ(img.get(Field::Limiter), 120);
}

TEST(ParamFileLoad, MissingMagicOrRefusedVersionLeavesImageAlone) {
    struct Case {
        const char* text;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"LIMITER 120 velDRONA_KEY 97", {}},
        {"", {}},
        {"VELDRONA_KEY 99 LIMITER 120", {kMsgUnmatchedFileVersion}},
        {"VELDRONA_KEY LIMITER 120", {kMsgUnmatchedFileVersion}},
        {"VELDRONA_KEY -97 LIMITER 120", {kMsgUnmatchedFileVersion}},
    };
    for (const auto& c : cases) {
        TParamImage img = RandomImage(7);
        const TParamImage before = img;
        const auto out = LoadParamText(c.text, img, PageSelection::All());
        EXPECT_FALSE(out.accepted()) << c.text;
        EXPECT_FALSE(out.imageChanged) << c.text;
        EXPECT_EQ(out.messages, c.messages) << c.text;
        EXPECT_EQ(img, before) << c.text;
    }
}

// Opening a full file for one page changes that page's fields only.
struct PageCase {
    PageGroup group;
    std::vector<FieldDesc> fields; // every field the load may change
};

class ParamFileOpenForPage : public ::testing::TestWithParam<PageCase> {};

TEST_P(ParamFileOpenForPage, ChangesOnlyThatPage) {
    const TParamImage source = RandomImage(11);
    const std::string text = ParamFileWriter(source, DefaultParamFileFooter());
    TParamImage img = RandomImage(12);
    const TParamImage before = img;
    const auto out = LoadParamText(text, img, PageSelection::Only(GetParam().group));
    ASSERT_TRUE(out.accepted());
    for (int k = 0; k < kImageSize; ++k) {
        bool owned = false;
        for (const auto& f : GetParam().fields) owned = owned || InField(k, f);
        if (!owned) {
            EXPECT_EQ(img[k], before[k]) << "offset " << k;
        }
    }
    if (GetParam().group == PageGroup::AdvanceMap) {
        for (const auto& f : GetParam().fields) {
            for (int k = f.offset; k < f.end(); ++k) {
                EXPECT_EQ(img[k], source[k]) << "offset " << k;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ParamFileOpenForPage,
    ::testing::Values(PageCase{PageGroup::AdvanceMap,
                               {Field::AdvLoadAxis, Field::BaseAdvance, Field::AdvMapMode,
                                Field::AdvColumns, Field::AdvSpeedAxis, Field::AdvanceMap}},
                      PageCase{PageGroup::Test, {Field::TestSpeed, Field::ServoTestTime}}));

TEST(ParamFileOpenForPage, TestPageResetsTestValuesOnly) {
    const std::string text = ParamFileWriter(RandomImage(3), DefaultParamFileFooter());
    TParamImage img = RandomImage(4);
    const auto out = LoadParamText(text, img, PageSelection::Only(PageGroup::Test));
    ASSERT_TRUE(out.accepted());
    EXPECT_EQ(img.get(Field::TestSpeed), 50);
    EXPECT_EQ(img.get(Field::ServoTestTime), 50);
}

std::string Version95File() {
    std::string t = "VELDRONA_KEY   95 ZORVEL/Old program\r\nRPM_ADV ";
    for (int rpm : {1500, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000})
        t += std::to_string(rpm) + " ";
    t += "\r\nADVANCE ";
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 10; ++col) t += std::to_string(row + col - 5) + " ";
    t += "\r\nLIMITER 120";
    return t;
}

TEST(ParamFileLoad, Version95FileGetsFullAxisAndMap) {
    TParamImage img = StartupImage();
    img.set(Field::AdvColumns, 15);
    const auto out = LoadParamText(Version95File(), img, PageSelection::All());
    EXPECT_EQ(out.version, 95);
    EXPECT_EQ(out.messages, std::vector<std::string>{kMsgOlderFileVersion});
    const int axis[15] = {15, 20, 30, 40, 50, 60, 70, 80, 90, 100, 101, 102, 103, 104, 105};
    for (int i = 0; i < 15; ++i) EXPECT_EQ(img.get(Field::AdvSpeedAxis, i), axis[i]) << i;
    EXPECT_EQ(img.get(Field::AdvColumns), 10);
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 15; ++col)
            EXPECT_EQ(img[MapCell(Field::AdvanceMap, row, col)], row + std::min(col, 9) - 5 + 100)
                << row << "," << col;
    // Keywords after the map are still read with their own counts.
    EXPECT_EQ(img.get(Field::Limiter), 120);
}

TEST(ParamFileReader, OlderVersionDefaultsTheFieldsItLacks) {
    TParamImage img = StartupImage();
    img.set(Field::PickupsInterchanged, 1);
    img.set(Field::ServoOffPosition, 40);
    img.set(Field::Input1Function, 5);
    const auto r = ParamFileReader("VELDRONA_KEY 48 x", img, PageSelection::All(), false);
    EXPECT_EQ(r.version, 48);
    EXPECT_TRUE(r.messages.empty()); // messages suppressed
    EXPECT_EQ(img.get(Field::PickupsInterchanged), 0);
    EXPECT_EQ(img.get(Field::ServoOffPosition), 0);
    EXPECT_EQ(img.get(Field::IgnitionsPerRev), 1);
    EXPECT_EQ(img.get(Field::Input1Function), 2);
    EXPECT_EQ(img.get(Field::Input2Function), 3);
    EXPECT_EQ(img.get(Field::InputsNeutralStand), 0);
}

TEST(ParamFileReader, OlderVersionKeepsTriggersThePresetDoesNotSet) {
    TParamImage img = StartupImage(); // bike code 20: a two-channel preset
    img.set(Field::MaxAdvTrigger, 0, 0x07);
    img.set(Field::MaxAdvTrigger, 3, 0x45);
    img.set(Field::StartAdvTrigger, 2, 0x02);
    ParamFileReader("VELDRONA_KEY 96", img, PageSelection::All(), false);
    EXPECT_EQ(img.get(Field::MaxAdvTrigger, 0), 65); // set by the preset
    EXPECT_EQ(img.get(Field::MaxAdvTrigger, 3), 0x45);
    EXPECT_EQ(img.get(Field::StartAdvTrigger, 2), 0x02);
}

// Single keyword lines, read into the start-up image with all groups selected.
struct ValueCase {
    const char* text;
    FieldDesc field;
    int element;
    int expected;
};

class ParamFileValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ParamFileValues, StoredAsConverted) {
    TParamImage img = StartupImage();
    const auto r = ParamFileReader(std::string("VELDRONA_KEY 97\n") + GetParam().text, img,
                                   PageSelection::All(), true);
    ASSERT_EQ(r.version, 97);
    EXPECT_EQ(img.get(GetParam().field, GetParam().element), GetParam().expected)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Keywords, ParamFileValues,
    ::testing::Values(
        ValueCase{"TPS_MAPA 2", Field::LoadSensor, 0, 2},
        ValueCase{"TPS_MAPA 2", Field::AdvMapMode, 0, 1},
        ValueCase{"TPS_MAPA 1", Field::AdvMapMode, 0, 1},
        ValueCase{"TPS_MAPA 0", Field::AdvMapMode, 0, 0},
        ValueCase{"CORR_ADVANCE -5 0 0 0", Field::CylCorrection, 0, 95},
        ValueCase{"POWER_OUT1 1 4000 12500 14000 100 75 90  0 2 0 1  1 0 0 0  0 0 0 0",
                  Field::PowerOut1Grid, 0, 0x0A},
        ValueCase{"POWER_OUT1 1 4000 12500 14000 100 75 90  0 2 0 1  1 0 0 0  0 0 0 0",
                  Field::PowerOut1Grid, 1, 0x01},
        ValueCase{"POWER_OUT2 3 4000 12500 14000 100 75 90  0 0 0 0  0 0 0 0  1 1 1 1",
                  Field::PowerOut2Grid, 2, 0x0F},
        ValueCase{"POWER_OUT2 3 4000 12500 14099 100 75 90", Field::PowerOut2Speeds, 2, 140},
        ValueCase{"LIMITER 300", Field::Limiter, 0, 44},
        ValueCase{"TPS 70000 -1", Field::TpsLow, 0, 4464},
        ValueCase{"TPS 70000 -1", Field::TpsHigh, 0, 65535},
        ValueCase{"CLUTCH 159 2500", Field::ClutchTime, 0, 15},
        ValueCase{"RPM 2 -60", Field::TachoCorrection, 0, 40},
        ValueCase{"SERVO_HYSTER 104", Field::ServoHysteresis, 0, 20},
        ValueCase{"SERVO_MV 2019", Field::ServoMap, 0, 100},
        ValueCase{"PILOT_LIGHT 9000", Field::PowerOut2Speeds, 0, 90},
        ValueCase{"DWELL 1 40 90 10 80 12", Field::DwellLobeMaxSpeed, 0, 12},
        ValueCase{"EXCITATION 2", Field::DwellMode, 0, 2},
        ValueCase{"DUR_DISCHARG 25", Field::MinDischarge, 0, 25},
        ValueCase{"SPECIAL_DWELL_START 1", Field::SpecialDwellStart, 0, 1},
        ValueCase{"BIKE 22 4 7 2  3 1 1", Field::MaxAdvTrigger, 0, 0xC3},
        ValueCase{"BIKE 22 4 7 2  67 0 0", Field::MaxAdvTrigger, 0, 3},
        // Last occurrence wins.
        ValueCase{"LIMITER 100 LIMITER 120", Field::Limiter, 0, 120},
        // Skipped: informational records and keywords this program does not read.
        ValueCase{"TEST_OUT 9900 990 PILOT_LIGHT_INV_OUT 5 LIMITER 101", Field::TestSpeed, 0, 50},
        ValueCase{"HEX LIMITER_ 7", Field::Limiter, 0, 110},
        // A keyword cut short by a word keeps what it read; the word is read next.
        ValueCase{"TPS 650 LIMITER 120", Field::TpsLow, 0, 650},
        ValueCase{"TPS 650 LIMITER 120", Field::TpsHigh, 0, 3790},
        ValueCase{"TPS 650 LIMITER 120", Field::Limiter, 0, 120},
        ValueCase{"LIMITER 12x 130", Field::Limiter, 0, 110},
        ValueCase{"ADVANCE 1 2", Field::AdvanceMap, 1, 102},
        ValueCase{"ADVANCE 1 2", Field::AdvanceMap, 2, 116}));

TEST(ParamFileReader, CombinedSensorValueLoadsWithTheAdvanceMap) {
    TParamImage img = StartupImage();
    ParamFileReader("VELDRONA_KEY 93 TPS_MAPA 2", img, PageSelection::Only(PageGroup::AdvanceMap),
                    false);
    EXPECT_EQ(img.get(Field::AdvMapMode), 1);
    EXPECT_EQ(img.get(Field::LoadSensor), 2);

    TParamImage misc = StartupImage();
    ParamFileReader("VELDRONA_KEY 93 TPS_MAPA 2", misc,
                    PageSelection::Only(PageGroup::Miscellaneous), false);
    EXPECT_EQ(misc.get(Field::LoadSensor), StartupImage().get(Field::LoadSensor));
    EXPECT_EQ(misc.get(Field::AdvMapMode), StartupImage().get(Field::AdvMapMode));
}

TEST(ParamFileReader, OverlongTokensAndNumbersAreHarmless) {
    TParamImage img = StartupImage();
    std::string text = "VELDRONA_KEY 97 " + std::string(100000, 'A') + " LIMITER " +
                       std::string(5000, '9') + " START_LIM 99";
    const auto r = ParamFileReader(text, img, PageSelection::All(), true);
    EXPECT_EQ(r.version, 97);
    EXPECT_EQ(img.get(Field::StartLimiter), 99);
}

} // namespace

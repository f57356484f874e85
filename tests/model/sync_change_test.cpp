#include "model/defaults.h"
#include "model/presets.h"
#include "model/sync_change.h"
#include "test_images.h"

#include <gtest/gtest.h>

namespace {

// Answers the question with a fixed answer and counts how often it is asked.
struct Asker {
    DefaultAnswer answer;
    int calls = 0;
    AskDefaultSetting fn() {
        return [this] {
            ++calls;
            return answer;
        };
    }
};

class SyncChange : public ::testing::Test {
  protected:
    TParamImage base = RandomImage(42);
    TParamImage img;
    TPageValues values;

    void Start(int code) {
        base.set(Field::BikeCode, code);
        img = base;
        values = ImageToValues(img);
    }
};

TEST_F(SyncChange, SpecialSettingStoresTheMethodWithoutAsking) {
    Start(kBikeCodeSpecial);
    Asker ask{DefaultAnswer::Cancel};
    const SyncChangeResult r = ChangeSyncMethod(img, values, std::nullopt, 8, ask.fn());
    EXPECT_EQ(ask.calls, 0);
    EXPECT_FALSE(r.cancelled);
    EXPECT_EQ(r.changeCause, 201);
    TParamImage want = base;
    want.set(Field::SyncMethod, 8);
    EXPECT_EQ(ImageDiff(img, want), "");
    EXPECT_EQ(values, ImageToValues(img));
}

TEST_F(SyncChange, SpecialEntrySelectedBehavesLikeTheSpecialSetting) {
    Start(20);
    Asker ask{DefaultAnswer::Cancel};
    ChangeSyncMethod(img, values, 38, 3, ask.fn());
    EXPECT_EQ(ask.calls, 0);
    TParamImage want = base;
    want.set(Field::BikeCode, kBikeCodeSpecial);
    want.set(Field::SyncMethod, 3);
    EXPECT_EQ(ImageDiff(img, want), "");
}

class SyncChangeAnswer : public SyncChange, public ::testing::WithParamInterface<DefaultAnswer> {};

TEST_P(SyncChangeAnswer, YesAndNoBothResetToTheChosenPreset) {
    Start(kBikeCodeSpecial);
    Asker ask{GetParam()};
    const int r6Entry = *PresetIndexForCode(20);
    const SyncChangeResult r = ChangeSyncMethod(img, values, r6Entry, 5, ask.fn());
    EXPECT_EQ(ask.calls, 1);
    EXPECT_FALSE(r.cancelled);
    EXPECT_EQ(r.changeCause, 201);
    TParamImage want = base;
    want.set(Field::BikeCode, 20);
    ApplyDefaults(want, PageSelection::All());
    EXPECT_EQ(ImageDiff(img, want), "");
    EXPECT_EQ(img.get(Field::SyncMethod), 1); // the preset's method wins
    EXPECT_EQ(values, ImageToValues(img));
}

INSTANTIATE_TEST_SUITE_P(Answers, SyncChangeAnswer,
                         ::testing::Values(DefaultAnswer::Yes, DefaultAnswer::No),
                         [](const auto& info) {
                             return info.param == DefaultAnswer::Yes ? "Yes" : "No";
                         });

struct CancelCase {
    int previousCode;
    std::optional<int> reselect;
};

TEST_F(SyncChange, CancelRestoresTheCodeAndReselectsItsEntry) {
    for (const CancelCase c :
         {CancelCase{kBikeCodeSpecial, 38}, CancelCase{20, 34}, CancelCase{200, std::nullopt}}) {
        Start(c.previousCode);
        Asker ask{DefaultAnswer::Cancel};
        const SyncChangeResult r = ChangeSyncMethod(img, values, 1, 6, ask.fn());
        EXPECT_EQ(ask.calls, 1);
        EXPECT_TRUE(r.cancelled);
        EXPECT_EQ(r.reselectIndex, c.reselect);
        EXPECT_EQ(img, base) << c.previousCode;
        EXPECT_EQ(values.bikeCode, c.previousCode);
    }
}

TEST_F(SyncChange, NoEntrySelectedKeepsAPresetCodeAndAsks) {
    Start(19);
    Asker ask{DefaultAnswer::No};
    ChangeSyncMethod(img, values, std::nullopt, 2, ask.fn());
    EXPECT_EQ(ask.calls, 1);
    TParamImage want = base;
    ApplyDefaults(want, PageSelection::All());
    EXPECT_EQ(ImageDiff(img, want), "");
    EXPECT_EQ(img.get(Field::ServoEnabled), 1);
}

TEST_F(SyncChange, NoMethodSelectedKeepsTheMethod) {
    Start(kBikeCodeSpecial);
    ChangeSyncMethod(img, values, std::nullopt, -1, nullptr);
    EXPECT_EQ(img, base);
}

} // namespace

#include "app/page_rules.h"

#include <gtest/gtest.h>

TEST(MiscPageRules, RowsFollowTheInputFunctions) {
    EXPECT_FALSE(MiscStates(0, 0, false).clutchEnabled);
    EXPECT_TRUE(MiscStates(3, 0, false).clutchEnabled);
    EXPECT_TRUE(MiscStates(0, 4, false).clutchArrowsVisible);
    EXPECT_TRUE(MiscStates(5, 0, false).retardEnabled);
    EXPECT_FALSE(MiscStates(5, 0, false).startLimiterEnabled);
    EXPECT_TRUE(MiscStates(0, 6, false).startLimiterArrowsVisible);
    EXPECT_FALSE(MiscStates(1, 0, true).inputGroupsEnabled);
}

TEST(BikePageRules, ChannelsFollowTheOutputCountExceptHarley) {
    auto s = BikeStates(1, true, 2);
    EXPECT_TRUE(s.channelVisible[0]);
    EXPECT_TRUE(s.channelVisible[1]);
    EXPECT_FALSE(s.channelVisible[2]);
    s = BikeStates(kMethodHarley, true, 4);
    for (bool v : s.channelVisible) EXPECT_FALSE(v);
    EXPECT_FALSE(s.lobeCountArrowsVisible);
    EXPECT_FALSE(s.outputCountArrowsVisible);
}

TEST(BikePageRules, MethodRulesOfTheSpecialSetting) {
    struct Case {
        int method;
        bool special;
        bool lobes, edgeEnabled, pickupVisible, pickupEnabled, group;
    } cases[] = {
        {0, true, false, true, true, true, true},   {0, false, false, false, true, false, true},
        {1, true, true, true, false, true, true},   {4, true, true, true, true, true, true},
        {8, true, true, false, false, false, true}, {9, true, true, true, true, true, true},
        {12, true, true, true, false, false, true}, {3, false, false, false, false, false, false},
    };
    for (const auto& c : cases) {
        const auto s = BikeStates(c.method, c.special, 1);
        EXPECT_EQ(s.channelLobesEnabled, c.lobes) << c.method;
        EXPECT_EQ(s.secondEdgeEnabled, c.edgeEnabled) << c.method;
        EXPECT_EQ(s.secondPickupVisible, c.pickupVisible) << c.method;
        EXPECT_EQ(s.secondPickupEnabled, c.pickupEnabled) << c.method;
        EXPECT_EQ(s.groupEnabled, c.group) << c.method;
        EXPECT_EQ(s.groupTextGrey, !c.special) << c.method;
    }
}

TEST(AdvancePageRules, CorrectionsFollowTheOutputCount) {
    EXPECT_EQ(CorrectionsCaption("Correction for cylinder", 2), "Correction for cylinder 1,2");
    EXPECT_EQ(CorrectionsCaption("Korekce pro válec", 4), "Korekce pro válec 1,2,3,4");
    const auto v = CorrectionsVisible(3);
    EXPECT_TRUE(v[0] && v[1] && v[2]);
    EXPECT_FALSE(v[3]);
}

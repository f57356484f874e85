#include "sim_options.h"
#include "sim_state.h"
#include "sim_unit.h"

#include "link/monitor.h"

#include <gtest/gtest.h>

namespace {

TDeviceFrame Request(uint8_t command, const TParamImage& image = {}) {
    return BuildBlockFrame(
        command, command & kReadRequest ? PayloadKind::Zero : PayloadKind::ImageBlock, image);
}

TEST(SimState, TextLayoutAndRoundTrip) {
    TParamImage image;
    for (int i = 0; i < kImageSize; ++i) image.bytes[i] = uint8_t(i);
    const std::string text = ImageToText(image);
    EXPECT_EQ(text.substr(0, 61), "    0     1     2     3     4     5     6     7     8     9 \n");
    EXPECT_NE(text.find("   99 \n\n  100 "), std::string::npos);
    EXPECT_EQ(ImageFromText(text), image);
}

TEST(SimState, RejectsDamagedText) {
    std::string text = ImageToText(TParamImage{});
    EXPECT_FALSE(ImageFromText(text.substr(0, text.rfind("0"))).has_value()); // 499 numbers
    EXPECT_FALSE(ImageFromText(text + " 1").has_value());
    EXPECT_FALSE(ImageFromText("256 " + text.substr(6)).has_value());
    EXPECT_FALSE(ImageFromText("x" + text).has_value());
}

TEST(SimUnit, AnswersEachRequestWithOneFrame) {
    TParamImage stored;
    stored[150] = 42;
    TSimUnit unit(stored, {});
    auto header = unit.Answer(Request(0x40), 0);
    ASSERT_TRUE(header);
    EXPECT_EQ((*header)[0], 0xC0);
    EXPECT_TRUE(FrameIntact(*header));
    EXPECT_EQ((*header)[1 + THeaderBlock::Version], 97);

    auto block2 = unit.Answer(Request(0x42), 0);
    ASSERT_TRUE(block2);
    EXPECT_EQ((*block2)[1 + 50], 42);

    TDeviceFrame bad = Request(0x41);
    bad[101] ^= 1;
    EXPECT_FALSE(unit.Answer(bad, 0));
    EXPECT_FALSE(unit.Answer(Request(0x46), 0));
}

TEST(SimUnit, ProgramEchoesAndCountsAndSaves) {
    TSimUnit unit(TParamImage{}, {});
    TParamImage image;
    for (int i = 0; i < kImageSize; ++i) image.bytes[i] = uint8_t(3 * i);
    for (uint8_t c = 1; c <= 5; ++c) {
        const TDeviceFrame req = Request(c, image);
        auto echo = unit.Answer(req, 1000);
        ASSERT_TRUE(echo);
        EXPECT_TRUE(std::equal(req.begin() + 1, req.end() - 1, echo->begin() + 1));
    }
    EXPECT_EQ(unit.Programmings(), 1);
    EXPECT_TRUE(unit.TakeImageChanged());
    EXPECT_FALSE(unit.TakeImageChanged());
    auto packet = unit.Answer(BuildMonitorRequest(0x04), 1100);
    ASSERT_TRUE(packet);
    const TLiveValues live = DecodeMonitorPacket(*packet);
    EXPECT_EQ(live.programmings, 1);
    EXPECT_GT(live.savingCountdown, 0);
    EXPECT_EQ(unit.Fired()[2], 1);
    EXPECT_EQ(DecodeMonitorPacket(*unit.Answer(BuildMonitorRequest(0), 5000)).savingCountdown, 0);
}

TEST(SimUnit, SpeedSweepsFromIdleToLimiter) {
    TParamImage image;
    image.set(Field::Limiter, 100);
    TSimUnit unit(image, {});
    EXPECT_EQ(unit.SpeedAt(0), 1200);
    EXPECT_EQ(unit.SpeedAt(10000), 10000);
    EXPECT_EQ(unit.SpeedAt(20000), 1200);
}

TEST(SimOptions, ParsesFaultsAndRejectsNonsense) {
    std::string error;
    auto o =
        ParseSimOptions({"--version", "97.01", "--drop", "0.3", "--seed", "7", "--pace"}, error);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->subVersion, 1);
    EXPECT_DOUBLE_EQ(o->dropProbability, 0.3);
    EXPECT_EQ(o->seed, 7u);
    EXPECT_TRUE(o->pace);
    EXPECT_FALSE(ParseSimOptions({"--drop", "1.5"}, error));
    EXPECT_FALSE(ParseSimOptions({"--state"}, error));
    EXPECT_FALSE(ParseSimOptions({"--bogus"}, error));
    EXPECT_FALSE(ParseSimOptions({"--version", "9x"}, error));
}

} // namespace

#include "model/param_image.h"

#include <gtest/gtest.h>

TEST(ParamImage, WordViewIsLittleEndian) {
    TParamImage img;
    img.setWord(1, 0x0ECE);
    EXPECT_EQ(img[2], 0xCE);
    EXPECT_EQ(img[3], 0x0E);
    EXPECT_EQ(img.get(Field::TpsHigh), 3790);
    img.set(Field::AdvLoadAxis, 9, 1000);
    EXPECT_EQ(img.word(15), 1000);
    EXPECT_EQ(img[30], 1000 & 0xFF);
}

TEST(ParamImage, BlockViewCoversHundredBytes) {
    TParamImage img;
    img[Field::BikeCode.offset] = 20;
    img[499] = 7;
    EXPECT_EQ(img.block(1)[82], 20);
    EXPECT_EQ(img.block(5)[99], 7);
    img.block(3)[0] = 0x55;
    EXPECT_EQ(img[200], 0x55);
}

TEST(ParamImage, EncodingsConvertBothWays) {
    struct Case {
        Encoding rule;
        int stored;
        int display;
    };
    const Case cases[] = {
        {Encoding::Times100, 110, 11000}, {Encoding::Minus100, 70, -30},
        {Encoding::Minus100, 160, 60},    {Encoding::Times10, 50, 500},
        {Encoding::Times5, 20, 100},      {Encoding::Raw, 40, 40},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToDisplay(c.rule, c.stored), c.display);
        EXPECT_EQ(ToStored(c.rule, c.display), c.stored);
    }
    EXPECT_EQ(ToStored(Encoding::Times100, 14950), 149); // truncates
    EXPECT_EQ(ToStored(Encoding::Minus100, -101), 255);  // wraps modulo 256
    EXPECT_EQ(ToDisplay(Encoding::ServoCell, 100, false), 2000);
    EXPECT_EQ(ToDisplay(Encoding::ServoCell, 100, true), 100);
}

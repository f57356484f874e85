#include "link/header_decode.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

THeaderBlock Header(uint8_t day, uint8_t month, uint8_t year) {
    THeaderBlock h;
    h[0] = 'I';
    h[1] = 'G';
    h[2] = 'N';
    h[3] = 7;
    h[THeaderBlock::Day] = day;
    h[THeaderBlock::Month] = month;
    h[THeaderBlock::Year] = year;
    h[THeaderBlock::Hour] = 9;
    h[THeaderBlock::Minute] = 5;
    return h;
}

TEST(DecodeHeader, DateWithBlankPaddedDayAndCodedMonth) {
    EXPECT_EQ(DecodeHeader(Header(3, 25, 13)).Date(), " 3. 1.2013");
    EXPECT_EQ(DecodeHeader(Header(3, 0, 13)).Date(), " 3.00.2013");
    EXPECT_EQ(DecodeHeader(Header(24, 12, 7)).Date(), "24.12.2007");
    EXPECT_EQ(DecodeHeader(Header(3, 25, 13)).Date().size(), 10u);
}

TEST(DecodeHeader, EveryMonthCode) {
    const int codes[] = {25, 13, 32, 35, 39, 45, 43, 29, 40, 38, 51, 12};
    const char* texts[] = {" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10", "11", "12"};
    for (int m = 0; m < 12; ++m) EXPECT_EQ(MonthText(uint8_t(codes[m])), texts[m]);
    for (int unknown : {0, 1, 26, 63, 255}) EXPECT_EQ(MonthText(uint8_t(unknown)), "00");
}

TEST(DecodeHeader, NameAndTime) {
    const TUnitInfo info = DecodeHeader(Header(1, 25, 20));
    EXPECT_EQ(info.Name(), "IGN07");
    EXPECT_EQ(info.Time(), "09:05");
}

TEST(DecodeHeader, LongNameReplacesNameOnlyWhenPresent) {
    THeaderBlock h = Header(1, 25, 20);
    EXPECT_EQ(DecodeHeader(h).Name(), "IGN07");
    const char* text = "Special firmware";
    std::memcpy(h.bytes.data() + THeaderBlock::LongName, text, std::strlen(text));
    EXPECT_EQ(DecodeHeader(h).Name(), text);

    // A full 30-character name without terminator stays within its field.
    for (int i = 0; i < THeaderBlock::LongNameLength; ++i) h[THeaderBlock::LongName + i] = 'x';
    const TUnitInfo info = DecodeHeader(h);
    EXPECT_EQ(info.Name(), std::string(30, 'x'));
    EXPECT_EQ(info.Date(), " 1. 1.2020");
}

TEST(DecodeHeader, VersionCheck) {
    THeaderBlock h;
    h[THeaderBlock::Version] = 97;
    EXPECT_TRUE(HeaderVersionMatches(h));
    h[THeaderBlock::SubVersion] = 1;
    EXPECT_FALSE(HeaderVersionMatches(h));
}

} // namespace

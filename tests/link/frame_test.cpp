#include "link/frame.h"

#include <gtest/gtest.h>

namespace {

TParamImage Numbered() {
    TParamImage image;
    for (int i = 0; i < kImageSize; ++i) image.bytes[i] = uint8_t(i % 251 + 1);
    return image;
}

TEST(Frame, ChecksumIsComplementOfXor) {
    TDeviceFrame f{};
    SealFrame(f);
    EXPECT_EQ(f[kChecksumOffset], 0xFF);
    f[0] = 0x41;
    f[50] = 0x0F;
    SealFrame(f);
    EXPECT_EQ(f[kChecksumOffset], uint8_t(~(0x41 ^ 0x0F)));
    EXPECT_TRUE(FrameIntact(f));
}

TEST(Frame, AnySingleDamagedByteIsCaught) {
    TDeviceFrame f = BuildBlockFrame(0x03, PayloadKind::ImageBlock, Numbered());
    for (int at : {0, 1, 50, 100, 101}) {
        TDeviceFrame bad = f;
        bad[at] ^= 0x10;
        EXPECT_FALSE(FrameIntact(bad)) << "byte " << at;
    }
}

struct PayloadCase {
    const char* name;
    uint8_t command;
    PayloadKind kind;
    int imageBlock; // 0: payload expected zero (apart from the reset mark)
    bool resetMark;
};

class PayloadRule : public ::testing::TestWithParam<PayloadCase> {};

TEST_P(PayloadRule, CarriesWhatTheOperationSends) {
    const PayloadCase c = GetParam();
    const TParamImage image = Numbered();
    const TDeviceFrame f = BuildBlockFrame(c.command, c.kind, image);
    EXPECT_EQ(f[0], c.command);
    EXPECT_TRUE(FrameIntact(f));
    for (int i = 0; i < kBlockSize; ++i) {
        uint8_t expected = c.imageBlock ? image.block(c.imageBlock)[i] : 0;
        if (c.resetMark && i + 1 == kResetMarkByte) expected = 0xA5;
        if (c.resetMark && i + 1 == kResetMarkByte + 1) expected = 0x0F;
        ASSERT_EQ(f[i + 1], expected) << c.name << " payload byte " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Frames, PayloadRule,
    ::testing::Values(PayloadCase{"program header", 0x00, PayloadKind::ImageBlock, 0, false},
                      PayloadCase{"program block 3", 0x03, PayloadKind::ImageBlock, 3, false},
                      PayloadCase{"verify block 2", 0x42, PayloadKind::ImageBlock, 2, false},
                      PayloadCase{"read block 4", 0x44, PayloadKind::Zero, 0, false},
                      PayloadCase{"read header", 0x40, PayloadKind::Zero, 0, false},
                      PayloadCase{"reset", 0x00, PayloadKind::ResetMark, 0, true},
                      PayloadCase{"release on an old block", 0x45, PayloadKind::ResetMark, 5,
                                  false}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return n;
    });

TEST(Frame, MonitorRequestLayout) {
    const TDeviceFrame f = BuildMonitorRequest(0x05);
    EXPECT_TRUE(FrameIntact(f));
    for (int i = 0; i < kChecksumOffset; ++i) {
        uint8_t expected = 0;
        if (i == 0) expected = 0x30;
        if (i == 21) expected = 0x05;
        if (i == 100) expected = 0x61;
        ASSERT_EQ(f[i], expected) << "byte " << i;
    }
}

} // namespace

#include "files/image_backup.h"
#include "temp_dir.h"
#include "test_images.h"

#include <gtest/gtest.h>

namespace {

TEST(ImageBackup, TextLayoutIsTenPerLineAndParagraphsOfHundred) {
    TParamImage img;
    for (int i = 0; i < kImageSize; ++i) img[i] = uint8_t(i);
    const std::string text = ImageBackupText(img);
    EXPECT_EQ(text.substr(0, 61), "    0     1     2     3     4     5     6     7     8     9 \n");
    const std::string endOfBlock = "   99 \n\n  100 ";
    EXPECT_NE(text.find(endOfBlock), std::string::npos);
    EXPECT_TRUE(text.ends_with("  243 \n\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 55);
}

TEST(ImageBackup, RoundTrip) {
    const TParamImage img = RandomImage(5);
    TParamImage back;
    EXPECT_EQ(ReadImageBackupText(ImageBackupText(img), back), kImageSize);
    EXPECT_EQ(back, img);
}

struct BackupCase {
    const char* what;
    std::string text;
    int read;     // bytes taken from the text
    int lastByte; // value of the last byte taken (if any)
};

std::string Numbers(int n, int value) {
    std::string s;
    for (int i = 0; i < n; ++i) s += std::to_string(value) + (i % 10 == 9 ? "\r\n" : " ");
    return s;
}

class ImageBackupRead : public ::testing::TestWithParam<BackupCase> {};

TEST_P(ImageBackupRead, ReadsWhatIsThereAndKeepsTheRest) {
    TParamImage img = RandomImage(9);
    const TParamImage before = img;
    const int n = ReadImageBackupText(GetParam().text, img);
    EXPECT_EQ(n, GetParam().read) << GetParam().what;
    for (int i = n; i < kImageSize; ++i) ASSERT_EQ(img[i], before[i]) << GetParam().what << i;
    if (n > 0) {
        EXPECT_EQ(img[n - 1], GetParam().lastByte) << GetParam().what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageBackupRead,
    ::testing::Values(BackupCase{"600 numbers: first 500", Numbers(500, 7) + Numbers(100, 9), 500,
                                 7},
                      BackupCase{"short file", Numbers(120, 3), 120, 3},
                      BackupCase{"empty", "", 0, 0},
                      BackupCase{"word ends reading", "1 2 3 abc 4 5", 3, 3},
                      BackupCase{"sign ends reading", "1 2 -3 4", 2, 2},
                      BackupCase{"binary noise", std::string("1 2 \0\xff 3", 9), 2, 2},
                      BackupCase{"large value wraps as a byte", "300", 1, 44}));

class ImageBackupFile : public TempDirTest {};

TEST_F(ImageBackupFile, SaveAndLoad) {
    const std::string path = Path("sub/_settings.ini");
    const TParamImage img = RandomImage(21);
    ASSERT_TRUE(SaveImageBackup(path, img));
    TParamImage back;
    EXPECT_EQ(LoadImageBackup(path, back), kImageSize);
    EXPECT_EQ(back, img);
}

TEST_F(ImageBackupFile, MissingFileKeepsImage) {
    TParamImage img = RandomImage(22);
    const TParamImage before = img;
    EXPECT_EQ(LoadImageBackup(Path("none"), img), 0);
    EXPECT_EQ(img, before);
}

} // namespace

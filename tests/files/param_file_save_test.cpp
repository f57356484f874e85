#include "files/file_io.h"
#include "files/param_file_format.h"
#include "files/param_file_load.h"
#include "temp_dir.h"
#include "test_images.h"

#include <gtest/gtest.h>

namespace {

class ParamFileSave : public TempDirTest {};

TEST_F(ParamFileSave, SaveThenLoad) {
    const std::string path = Path("bike.ign");
    const TParamImage img = RandomImage(31);
    ASSERT_TRUE(SaveParamFile(path, img, DefaultParamFileFooter()).saved);
    TParamImage back = img;
    const auto out = LoadParamFile(path, back, PageSelection::All());
    EXPECT_EQ(out.version, 97);
    EXPECT_EQ(back.get(Field::AdvanceMap, 77), img.get(Field::AdvanceMap, 77));
}

TEST_F(ParamFileSave, InterruptedSaveKeepsThePreviousFile) {
    const std::string path = Path("bike.ign");
    WriteText(path, "previous contents");
    EXPECT_FALSE(AtomicWriteFile(path, "new contents", [] { return false; }));
    EXPECT_EQ(ReadText(path), "previous contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_),
                            std::filesystem::directory_iterator()),
              1); // no temporary file left behind
}

TEST_F(ParamFileSave, FailedSaveReportsOpenFileError) {
    std::filesystem::create_directories(Path("taken.ign"));
    const auto out = SaveParamFile(Path("taken.ign"), RandomImage(1), DefaultParamFileFooter());
    EXPECT_FALSE(out.saved);
    EXPECT_EQ(out.messages, std::vector<std::string>{kMsgOpenFileError});
    EXPECT_TRUE(std::filesystem::is_directory(Path("taken.ign")));

    const auto noDir =
        SaveParamFile(Path("missing/dir/x.ign"), RandomImage(1), DefaultParamFileFooter());
    EXPECT_FALSE(noDir.saved);
}

TEST_F(ParamFileSave, UnreadableFileReportsOpenFileError) {
    TParamImage img = RandomImage(2);
    const TParamImage before = img;
    for (const std::string& p : {Path("missing.ign"), Path("")}) {
        const auto out = LoadParamFile(p, img, PageSelection::All());
        EXPECT_FALSE(out.opened);
        EXPECT_FALSE(out.accepted());
        EXPECT_EQ(out.messages, std::vector<std::string>{kMsgOpenFileError});
        EXPECT_EQ(img, before);
    }
}

} // namespace

namespace {

TEST(ParamFileLoadDevice, NonRegularFilesAreRefused) {
    TParamImage img;
    for (const char* p : {"/dev/zero", "/dev/null", "/"}) {
        const auto out = LoadParamFile(p, img, PageSelection::All());
        EXPECT_FALSE(out.opened) << p;
        EXPECT_EQ(out.messages, std::vector<std::string>{kMsgOpenFileError}) << p;
    }
}

} // namespace

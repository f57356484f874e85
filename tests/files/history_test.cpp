#include "files/history.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> VisibleCaptions(const THistory& h) {
    std::vector<std::string> out;
    for (int k = 1; k < kHistoryMax; ++k)
        if (HistoryItemVisible(h, k)) out.push_back(HistoryCaption(k, h.entries[k]));
    return out;
}

TEST(History, OpeningABThenCThenBAgain) {
    THistory h;
    for (const char* p : {"/data/A.ign", "/data/B.ign", "/data/C.ign"}) AddToHistory(h, p);
    EXPECT_EQ(VisibleCaptions(h), (std::vector<std::string>{"1 B", "2 A"}));
    EXPECT_TRUE(HistorySeparatorVisible(h));

    AddToHistory(h, "/data/B.ign");
    EXPECT_EQ(h.entries, (std::vector<std::string>{"/data/B.ign", "/data/C.ign", "/data/A.ign"}));
    EXPECT_EQ(VisibleCaptions(h), (std::vector<std::string>{"1 C", "2 A"}));
}

TEST(History, ComparisonIsExact) {
    THistory h;
    AddToHistory(h, "/data/a.ign");
    AddToHistory(h, "/data/A.ign");
    EXPECT_EQ(h.entries.size(), 2u);
}

TEST(History, EleventhFilePushesTheOldestOut) {
    THistory h;
    for (int i = 0; i < 11; ++i) AddToHistory(h, "/f/" + std::to_string(i) + ".ign");
    ASSERT_EQ(h.entries.size(), size_t(kHistoryMax));
    EXPECT_EQ(h.entries.front(), "/f/10.ign");
    EXPECT_EQ(h.entries.back(), "/f/1.ign");
    EXPECT_EQ(VisibleCaptions(h).size(), 9u);
    EXPECT_EQ(VisibleCaptions(h).back(), "9 1");
}

TEST(History, SingleEntryShowsNoItemAndNoSeparator) {
    THistory h;
    AddToHistory(h, "/f/only.ign");
    EXPECT_TRUE(VisibleCaptions(h).empty());
    EXPECT_FALSE(HistorySeparatorVisible(h));
}

TEST(History, OverlongPathIsLeftOutNotCut) {
    THistory h;
    AddToHistory(h, "/f/a.ign");
    const std::string longPath = "/" + std::string(kHistoryPathMax, 'x') + ".ign";
    EXPECT_FALSE(AddToHistory(h, longPath));
    EXPECT_FALSE(AddToHistory(h, ""));
    EXPECT_EQ(h.entries, std::vector<std::string>{"/f/a.ign"});
    const std::string fits = "/" + std::string(kHistoryPathMax - 1, 'y');
    EXPECT_TRUE(AddToHistory(h, fits));
}

struct CaptionCase {
    int index;
    const char* path;
    const char* caption;
};

class HistoryCaptions : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(HistoryCaptions, NameWithoutDirectoryCutAtLastDot) {
    EXPECT_EQ(HistoryCaption(GetParam().index, GetParam().path), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(Paths, HistoryCaptions,
                         ::testing::Values(CaptionCase{1, "/home/u/bikes/r6.ign", "1 r6"},
                                           CaptionCase{2, "C:\\data\\old/x\\zx9r.v2.ign",
                                                       "2 zx9r.v2"},
                                           CaptionCase{3, "my.file.ign", "3 my.file"},
                                           CaptionCase{4, "noextension", "4 noextension"},
                                           CaptionCase{5, "/dir.with.dots/plain", "5 plain"}));

TEST(History, CaptionIsLimited) {
    const std::string caption = HistoryCaption(1, "/" + std::string(200, 'n') + ".ign");
    EXPECT_EQ(caption.size(), kHistoryCaptionMax);
}

TEST(History, StoredValuesCountUpToTheLastNonEmpty) {
    std::vector<std::string> stored(kHistoryMax);
    stored[0] = "/a.ign";
    stored[3] = "/d.ign";
    const THistory h = HistoryFromStored(stored);
    EXPECT_EQ(h.entries, (std::vector<std::string>{"/a.ign", "", "", "/d.ign"}));
    EXPECT_TRUE(HistoryFromStored(std::vector<std::string>(kHistoryMax)).entries.empty());
}

} // namespace

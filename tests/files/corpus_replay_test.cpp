// Replays the fuzzing seed corpus through the fuzz entry points in the normal
// build, so every seed (and any crash input added to the corpus) stays covered.

#include "fuzz/fuzz_entries.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

int Replay(const std::string& folder, void (*entry)(const uint8_t*, size_t)) {
    int n = 0;
    for (const auto& e : fs::directory_iterator(fs::path(FILES_CORPUS_DIR) / folder)) {
        std::ifstream in(e.path(), std::ios::binary);
        const std::string data((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        SCOPED_TRACE(e.path().string());
        entry(reinterpret_cast<const uint8_t*>(data.data()), data.size());
        ++n;
    }
    return n;
}

TEST(CorpusReplay, ParamFileSeeds) {
    EXPECT_GT(Replay("param_file", FuzzParamFileInput), 0);
}

TEST(CorpusReplay, ImageBackupSeeds) {
    EXPECT_GT(Replay("image_backup", FuzzImageBackupInput), 0);
}

TEST(CorpusReplay, EmptyInputs) {
    FuzzParamFileInput(nullptr, 0);
    FuzzImageBackupInput(nullptr, 0);
}

} // namespace

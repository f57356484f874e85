// Replays the fuzz seed corpus through both paste paths, so every build checks it.
#include "paste_fuzz_body.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <gtest/gtest.h>

TEST(PasteCorpus, EverySeedKeepsTheSheetValid) {
    std::filesystem::path dir = MAPEDIT_CORPUS_DIR;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
        for (int lead = 0; lead < 256; lead += 37) {
            std::vector<uint8_t> input = bytes;
            if (!input.empty()) input[0] = uint8_t(input[0] + lead);
            FuzzPasteTextOnce(input.data(), input.size());
            FuzzPasteSheetOnce(input.data(), input.size());
        }
        ++files;
    }
    EXPECT_GT(files, 0) << dir;
}

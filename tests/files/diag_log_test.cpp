#include "files/diag_log.h"
#include "files/log_finder.h"
#include "temp_dir.h"
#include "test_images.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const TLogTime kTime{3, 7, 2026, 9, 5, 0};
const std::string kSeparator = "//" + std::string(74, '-') + "\n";

class DiagLog : public TempDirTest {
  protected:
    TDiagLog Log() const {
        TDiagLog log;
        log.debug = true;
        log.path = Path("IGN.log");
        return log;
    }
    std::string Record(const std::string& header, const TParamImage& img) const {
        return header + "\n" +
               std::string(reinterpret_cast<const char*>(img.bytes.data()), kImageSize) +
               "\n</LOG>\n\n\n\n\n";
    }
};

TEST_F(DiagLog, MarkerWordIsCaseSensitive) {
    struct Case {
        const char* text;
        bool debug;
    };
    for (const Case& c : {Case{"foo WOYE_NPZTON\nbar", true}, Case{"woye_npzton", false},
                          Case{"WOYE_NPZTONX WOYE_NPZTO", false}, Case{"\tWOYE_NPZTON", true}}) {
        WriteText(Path("marker"), c.text);
        EXPECT_EQ(DebugMarkerPresent(Path("marker")), c.debug) << c.text;
    }
    EXPECT_FALSE(DebugMarkerPresent(Path("missing")));
}

TEST_F(DiagLog, FirstCallAlwaysWritesWithSeparators) {
    TDiagLog log = Log();
    const TParamImage img; // the same as the empty comparison copy
    log.action = "Read_from_unit";
    log.sourceNumber = 5;
    EXPECT_TRUE(WriteLogRecord(log, img, kTime));
    EXPECT_EQ(ReadText(log.path),
              kSeparator + kSeparator + kSeparator +
                  Record("<LOG TIME=3.7.2026 9:5:0 (0)  ACTION=Read_from_unit  SOURCE= "
                         "SOURC_INT=5>",
                         img));
    EXPECT_EQ(log.calls, 1);
    EXPECT_EQ(log.action, "cleared");
    EXPECT_EQ(log.sourceNumber, 0);
}

TEST_F(DiagLog, UnchangedImageWritesOneRecordButCounts) {
    TDiagLog log = Log();
    TParamImage img = RandomImage(1);
    WriteLogRecord(log, img, kTime);
    const std::string afterFirst = ReadText(log.path);
    log.source = "EditOmez2";
    EXPECT_FALSE(WriteLogRecord(log, img, kTime));
    EXPECT_EQ(ReadText(log.path), afterFirst);
    EXPECT_EQ(log.calls, 2);

    img[100] ^= 1;
    log.action = "FormFinalise";
    log.sourceNumber = 101;
    EXPECT_TRUE(WriteLogRecord(log, img, kTime));
    EXPECT_EQ(ReadText(log.path),
              afterFirst + Record("<LOG TIME=3.7.2026 9:5:0 (2)  ACTION=FormFinalise  "
                                  "SOURCE=EditOmez2 SOURC_INT=101>",
                                  img));
}

TEST_F(DiagLog, OffOrUnopenableLogChangesNothing) {
    TDiagLog off = Log();
    off.debug = false;
    off.action = "MenuSave";
    EXPECT_FALSE(WriteLogRecord(off, RandomImage(2), kTime));
    EXPECT_EQ(off.calls, 0);
    EXPECT_EQ(off.action, "MenuSave");
    EXPECT_FALSE(std::filesystem::exists(off.path));

    TDiagLog blocked = Log();
    blocked.path = Path(""); // a directory
    blocked.action = "MenuSave";
    blocked.sourceNumber = 3;
    EXPECT_FALSE(WriteLogRecord(blocked, RandomImage(2), kTime));
    EXPECT_EQ(blocked.calls, 0);
    EXPECT_EQ(blocked.action, "MenuSave");
    EXPECT_EQ(blocked.sourceNumber, 3);
}

// Three records with distinct images; the call counter of the third is 3
// because one unchanged call in between wrote nothing.
class LogFinder : public DiagLog {
  protected:
    void SetUp() override {
        DiagLog::SetUp();
        TDiagLog log = Log();
        for (int i = 0; i < 4; ++i) {
            if (i != 2) images_.push_back(RandomImage(100 + i));
            // Keep record headers the only place "(3)" can occur.
            for (auto& b : images_.back().bytes)
                if (b == '(') b = '[';
            WriteLogRecord(log, images_.back(), kTime);
        }
        path_ = log.path;
    }
    std::vector<TParamImage> images_;
    std::string path_;
};

TEST_F(LogFinder, CounterInParenthesesLoadsThatRecord) {
    const auto r = FindInLogFile(path_, "(3)");
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.editText, "Loaded...");
    EXPECT_EQ(r.image, images_[2]);
    EXPECT_EQ(FindInLogFile(path_, "(0)").image, images_[0]);
}

TEST_F(LogFinder, MissingTextOrTooFewBytes) {
    EXPECT_EQ(FindInLogFile(path_, "(2)").editText, "Not found...");
    EXPECT_EQ(FindInLogFile(path_, "</LOG>\n\n\n\n\n\xff\xfe\xfd").editText, "Not found...");
    EXPECT_EQ(FindInLogFile(path_, "").editText, "Not found...");
    EXPECT_EQ(FindInLogFile(Path("none"), "(3)").editText, "Not found...");
}

TEST(LogFinderMatcher, FindsTextWhoseBeginningRepeats) {
    // "aab" after "aaab": a restart-from-scratch matcher would miss it.
    std::string data = "xaaab\n" + std::string(500, 'z');
    std::istringstream in(data);
    const auto r = FindInLog(in, "aab");
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.image[0], 'z');
}

TEST(LogFinderMatcher, MatchAcrossChunkBoundary) {
    std::string data(65536 - 2, '.');
    data += "NEEDLE\n";
    data += std::string(499, 'q') + "!";
    std::istringstream in(data);
    const auto r = FindInLog(in, "NEEDLE");
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.image[499], '!');
}

} // namespace

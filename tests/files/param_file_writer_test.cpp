#include "files/param_file_writer.h"
#include "model/defaults.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The beginning of a file written from the factory defaults (bike code pinned to
// the special setting, two channels); "...\n" stands for lines left out.
const char* kExample = R"(VELDRONA_KEY   97 ZORVEL/Programming of Ardentix unit


BIKE           22 
                1     5     2 
                1     1     0 
                2     1     0 
...
LIMITER       110 
START_LIM     100 
CLUTCH        100   500 

TPS           700  3790 
RETARD          6 
...
RPM_ADV      1500  2000  3000  4000  5000  6000  7000  8000  9000 10000 10100 10200 10300 10400 10500 

ADVANCE        10    13    16    25    28    32    33    33    33    33    33    33    33    33    33 
               10    16    22    31    33    35    35    35    35    35    35    35    35    35    35 
)";

std::string CrLf(const std::string& s) {
    std::string r;
    for (char c : s) {
        if (c == '\n') r += '\r';
        r += c;
    }
    return r;
}

std::vector<std::string> Segments(const std::string& example) {
    std::vector<std::string> out;
    size_t pos = 0;
    for (;;) {
        size_t dots = example.find("...\n", pos);
        out.push_back(example.substr(pos, dots == std::string::npos ? dots : dots - pos));
        if (dots == std::string::npos) return out;
        pos = dots + 4;
    }
}

TParamImage DefaultsImage() {
    TParamImage img = StartupImage();
    img.set(Field::BikeCode, kBikeCodeSpecial);
    return img;
}

TEST(ParamFileWriter, ExamplePrefixComesOutByteForByte) {
    const std::string text = ParamFileWriter(DefaultsImage(), DefaultParamFileFooter());
    const auto segments = Segments(kExample);
    ASSERT_EQ(segments.size(), 3u);
    const std::string first = CrLf(segments[0]);
    ASSERT_EQ(text.substr(0, first.size()), first);
    size_t pos = first.size();
    for (size_t i = 1; i < segments.size(); ++i) {
        // Each later part starts on a line of its own.
        const std::string part = "\r\n" + CrLf(segments[i]);
        const size_t at = text.find(part, pos);
        ASSERT_NE(at, std::string::npos) << "missing:\n" << segments[i];
        pos = at + part.size();
    }
}

TEST(ParamFileWriter, LinesEndWithCrLfAndTheFileWithoutLineBreak) {
    TParamFileFooter footer = DefaultParamFileFooter();
    footer.hexName = "bad\nname";
    footer.monCalibCoef = -12;
    const std::string text = ParamFileWriter(DefaultsImage(), footer);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
        }
        if (text[i] == '\r') {
            ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n');
        }
    }
    EXPECT_NE(text.back(), '\n');
    EXPECT_TRUE(text.ends_with("\r\nMon_Calib_Coef  -12"));
    EXPECT_NE(text.find("\r\nHEX       bad name\r\n"), std::string::npos);
}

TEST(ParamFileWriter, CalibrationValueOnlyWhileConnected) {
    TParamFileFooter footer = DefaultParamFileFooter();
    footer.exeDate = "May 14 2013";
    footer.exeTime = "11:01:05";
    const std::string text = ParamFileWriter(DefaultsImage(), footer);
    EXPECT_TRUE(text.ends_with("\r\nEXE  May 14 2013   11:01:05\r\n\r\nMon_Calib_Coef  "));
}

TEST(ParamFileWriter, RecordsCarryDisplayUnits) {
    TParamImage img = DefaultsImage();
    img.set(Field::CylCorrection, 0, 95);
    img.set(Field::PowerOut1Grid, 0, 0x0A);
    img.set(Field::MaxAdvTrigger, 0, 0xC3);
    const std::string text = ParamFileWriter(img, DefaultParamFileFooter());
    EXPECT_NE(text.find("\r\nCORR_ADVANCE   -5     0     0     0 \r\n"), std::string::npos);
    // Bike record: second line codes, then lobe 3 with both flags.
    EXPECT_NE(text.find("\r\n                3     1     1 \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nPOWER_OUT1      1 \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n                0     1     0     1 \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nTEST_OUT      5000   500 \r\nVERSIONS\r\n"), std::string::npos);
}

} // namespace

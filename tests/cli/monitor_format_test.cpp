// Live values as a text line and as CSV rows.

#include "cli_texts.h"
#include "image_load.h"
#include "monitor_format.h"

#include "lang/lang_index.h"

#include <gtest/gtest.h>

namespace {

void PutWord(TDeviceFrame& f, int at, int value) {
    f[at] = uint8_t(value & 0xFF);
    f[at + 1] = uint8_t(value >> 8);
}

// A packet of a running engine: cylinder 1 at 12 degrees, cylinder 2 on base
// advance, cylinder 3 at -5, cylinder 4 at 0; pick-up 1 running, input 2
// grounded, output 2 on, firmware 97.01.
TLiveValues SamplePacket() {
    TDeviceFrame f{};
    f[0] = kMonitorReply;
    PutWord(f, Monitor::Speed, 4321);
    PutWord(f, Monitor::Supply, 13800);
    f[Monitor::AdvanceNow + 0] = 112;
    f[Monitor::AdvanceNow + 1] = 0;
    f[Monitor::AdvanceNow + 2] = 95;
    f[Monitor::AdvanceNow + 3] = 100;
    f[Monitor::Inputs] = Monitor::Pickup1Signal | Monitor::Input2Grounded;
    f[Monitor::Outputs] = 0x02;
    f[Monitor::Version] = 97;
    f[Monitor::SubVersion] = 1;
    SealFrame(f);
    return DecodeMonitorPacket(f);
}

std::vector<std::string> Split(const std::string& text, const std::string& sep) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at; (at = text.find(sep, start)) != std::string::npos; start = at + sep.size())
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

TEST(CliMonitorFormat, CsvRowMatchesTheHeader) {
    const auto header = Split(MonitorCsvHeader(), ",");
    const std::string row = MonitorCsvRow(SamplePacket());
    EXPECT_EQ(Split(row, ",").size(), header.size());
    // Base advance leaves its field empty; 0 degrees is a real 0.
    EXPECT_EQ(row, "4321,13800,12,,-5,0,1,0,0,1,0,1,97.01");
}

TEST(CliMonitorFormat, LineJoinsTheTranslatedLabels) {
    const TLiveValues live = SamplePacket();
    const TParamImage image = CliStartImage();
    for (int lang : {int(LangEnglish), int(LangGerman)}) {
        const Translator tr = CliTranslator(lang);
        const auto labels = BuildMonitorLabels(live, image, true, tr);
        const auto parts = Split(MonitorLine(live, labels, tr), " | ");
        ASSERT_EQ(parts.size(), 13u);
        EXPECT_EQ(parts[0], "RPM = 4321");
        EXPECT_EQ(parts[1], "U = 13.8 [V]");
        EXPECT_EQ(parts[2], labels.advance[0].text);
        EXPECT_EQ(parts[12], "IGN-97.01");
        for (const auto& p : parts) EXPECT_FALSE(p.empty() || p.back() == ' ') << p;
        if (lang == LangEnglish) {
            EXPECT_EQ(parts[2], "Advance 1 = 12 [°]");
            EXPECT_EQ(parts[3], "Advance = Base advance");
            EXPECT_EQ(parts[8], "Input 1: Open");
            EXPECT_EQ(parts[9], "Input 2: Grounded");
            EXPECT_EQ(parts[10], "Output 1 = NO");
            EXPECT_EQ(parts[11], "Output 2 = YES");
        } else {
            EXPECT_EQ(parts[2], "Vorzündung 1 = 12 [°]");
            EXPECT_EQ(parts[11], "Ausgang 2 = JA");
        }
    }
}

} // namespace

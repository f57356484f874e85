#include "monitor_format.h"

#include <cstdio>

namespace {

constexpr int kAdvanceOffset = 100; // the packet carries degrees + 100; 0 = base advance

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string Flag(bool on) {
    return on ? "1" : "0";
}

} // namespace

std::string FirmwareText(int version, int subVersion) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%02d", version, subVersion);
    return text;
}

std::string MonitorLine(const TLiveValues& live, const TMonitorLabels& labels,
                        const Translator& tr) {
    std::string line = Trimmed(labels.rpm.text) + " | " + Trimmed(labels.voltage.text);
    for (const auto& a : labels.advance) line += " | " + Trimmed(a.text);
    for (const auto& p : labels.pickup) line += " | " + Trimmed(p.text);
    for (const auto& i : labels.input) line += " | " + Trimmed(i.text);
    for (int n = 0; n < 2; ++n) {
        const bool active = live.outputs & (1u << n);
        line += " | " + Translate(tr, "Output") + " " + std::to_string(n + 1) + " = " +
                Translate(tr, active ? "YES" : "NO");
    }
    line += " | IGN-" + FirmwareText(live.firmwareVersion, live.firmwareSubVersion);
    return line;
}

std::string MonitorCsvHeader() {
    return "speed_rpm,supply_mv,advance1,advance2,advance3,advance4,pickup1,pickup2,"
           "input1,input2,output1,output2,firmware";
}

std::string MonitorCsvRow(const TLiveValues& live) {
    std::string row = std::to_string(live.speed) + "," + std::to_string(live.supplyVoltage);
    for (uint8_t a : live.advanceNow)
        row += "," + (a == 0 ? std::string() : std::to_string(int(a) - kAdvanceOffset));
    row += "," + Flag(live.inputBits & Monitor::Pickup1Signal);
    row += "," + Flag(live.inputBits & Monitor::Pickup2Signal);
    row += "," + Flag(live.inputBits & Monitor::Input1Grounded);
    row += "," + Flag(live.inputBits & Monitor::Input2Grounded);
    row += "," + Flag(live.outputs & 0x01);
    row += "," + Flag(live.outputs & 0x02);
    row += "," + FirmwareText(live.firmwareVersion, live.firmwareSubVersion);
    return row;
}

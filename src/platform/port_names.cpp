#include "platform/port_names.h"

namespace {

constexpr int kPortsPerFamily = 10;

#ifndef _WIN32
const char* const kFamilies[] = {"ttyUSB", "ttyACM", "ttyS"};

std::string ShortName(int index) {
    return kFamilies[index / kPortsPerFamily] + std::to_string(index % kPortsPerFamily);
}
#endif

} // namespace

std::string ComDeviceName(int index) {
#ifdef _WIN32
    if (index < 0 || index > kComMenuPorts) return {};
    return "\\\\.\\COM" + std::to_string(index + 1);
#else
    if (index < 0 || index >= kComMenuPorts) return {};
    return "/dev/" + ShortName(index);
#endif
}

std::string ComMenuCaption(int index) {
    if (index == kComMenuPorts) return "Com Auto";
    if (index < 0 || index > kComMenuPorts) return {};
    const std::string caption = "Com " + std::to_string(index + 1);
#ifdef _WIN32
    return caption;
#else
    return caption + " (" + ShortName(index) + ")";
#endif
}

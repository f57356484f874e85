#include "platform/locations.h"

#include "model/param_image.h"

#include <cstdlib>
#include <string>

namespace {

const char* const kTitle = "Programming of Ardentix unit";

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

#ifndef _WIN32
std::string XdgDirectory(const char* variable, const char* homeRelative) {
    const std::string v = Env(variable);
    if (!v.empty() && v.front() == '/') return v;
    const std::string home = Env("HOME");
    return (home.empty() ? std::string(".") : home) + "/" + homeRelative;
}
#endif

std::string Join(const std::string& dir, const std::string& name) {
#ifdef _WIN32
    const char sep = '\\';
#else
    const char sep = '/';
#endif
    if (dir.empty()) return name;
    return dir.back() == sep ? dir + name : dir + sep + name;
}

} // namespace

std::string SettingsFileName() {
    return std::string(kTitle) + "_v" + std::to_string(kProtocolVersion) + ".ini";
}

#ifdef _WIN32

std::string ConfigDirectory() {
    const std::string windir = Env("SystemRoot");
    return windir.empty() ? std::string("c:\\windows") : windir;
}
std::string DataDirectory() {
    return "c:\\";
}
std::string SettingsFilePath() {
    return Join(ConfigDirectory(), SettingsFileName());
}
std::string ImageBackupFilePath() {
    return "c:\\windows\\_" + SettingsFileName();
}
std::string DiagnosticLogPath() {
    return "c:\\IGN_KVOR4_v" + std::to_string(kProtocolVersion) + ".log";
}
std::string DebugMarkerPath() {
    return "w:\\njus_iddcl.gkf";
}

#else

std::string ConfigDirectory() {
    return XdgDirectory("XDG_CONFIG_HOME", ".config");
}
std::string DataDirectory() {
    return XdgDirectory("XDG_DATA_HOME", ".local/share");
}
std::string SettingsFilePath() {
    return Join(ConfigDirectory(), SettingsFileName());
}
std::string ImageBackupFilePath() {
    return Join(ConfigDirectory(), "_" + SettingsFileName());
}
std::string DiagnosticLogPath() {
    return Join(DataDirectory(), "IGN_KVOR4_v" + std::to_string(kProtocolVersion) + ".log");
}
std::string DebugMarkerPath() {
    return Join(ConfigDirectory(), "njus_iddcl.gkf");
}

#endif

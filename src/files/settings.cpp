#include "files/settings.h"

#include "files/file_io.h"
#include "files/ini_file.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>

namespace {

constexpr const char* kSection = "FORM_HLAV";
constexpr const char* kBasicSection = "BASIC";

std::string HistoryKey(int i) {
    char key[32];
    std::snprintf(key, sizeof key, "MenuHistory%02i", i);
    return key;
}

TIniText ReadIni(const std::string& path) {
    const auto text = ReadWholeFile(path);
    return ParseIniText(text ? *text : std::string());
}

// A decimal integer, optionally signed; anything else counts as missing.
bool ReadInt(const TIniText& ini, const char* section, const char* key, int& out) {
    const auto v = IniValue(ini, section, key);
    if (!v || v->empty()) return false;
    const char* first = v->data();
    const char* last = first + v->size();
    if (*first == '+') ++first;
    int n = 0;
    const auto [end, ec] = std::from_chars(first, last, n);
    if (ec != std::errc() || end != last) return false;
    out = n;
    return true;
}

void ReadText(const TIniText& ini, const char* key, std::string& out) {
    if (auto v = IniValue(ini, kSection, key)) out = std::move(*v);
}

void WriteInt(TIniText& ini, const char* key, int v) {
    SetIniValue(ini, kSection, key, std::to_string(v));
}

} // namespace

void LoadSettings(const std::string& path, TSettings& s) {
    const TIniText ini = ReadIni(path);
    ReadInt(ini, kSection, "Left", s.left);
    ReadInt(ini, kSection, "Top", s.top);
    ReadInt(ini, kSection, "Height", s.height);
    ReadInt(ini, kSection, "Width", s.width);

    int port = 0;
    const bool portStored = ReadInt(ini, kSection, "ComPort", port);
    s.comPortIndex = portStored ? port - 1 : kComPortAutoIndex;
    int scan = 0;
    if (ReadInt(ini, kSection, "ComPortAuto", scan)) s.comScanIndex = scan - 1;

    int language = 0;
    if (ReadInt(ini, kSection, "Language", language))
        s.language = language == kLanguageFrench ? 0 : language;

    ReadText(ini, "File", s.file);
    ReadText(ini, "IniDir", s.iniDir);
    int page = 0;
    if (ReadInt(ini, kSection, "PageControl1->ActivePageIndex", page) && page >= 0 &&
        page < kPageCount)
        s.activePage = page;
    ReadInt(ini, kSection, "LockHiddenPswd", s.lockHiddenPswd);

    int newInstal = 0;
    ReadInt(ini, kBasicSection, "NEWINSTAL", newInstal);
    s.firstRun = newInstal != 0 || !portStored;

    std::vector<std::string> stored(kHistoryMax);
    for (int i = 0; i < kHistoryMax; ++i) ReadText(ini, HistoryKey(i).c_str(), stored[i]);
    s.history = HistoryFromStored(stored);
}

bool SaveSettings(const std::string& path, const TSettings& s) {
    EnsureParentDirectory(path);
    // Other sections and keys (BASIC above all) stay as they are.
    TIniText ini = ReadIni(path);
    WriteInt(ini, "Left", s.left);
    WriteInt(ini, "Top", s.top);
    WriteInt(ini, "Height", s.height);
    WriteInt(ini, "Width", s.width);
    WriteInt(ini, "ComPort", s.comPortIndex + 1);
    WriteInt(ini, "ComPortAuto", s.comScanIndex + 1);
    WriteInt(ini, "Language", s.language);
    SetIniValue(ini, kSection, "File", s.file);
    SetIniValue(ini, kSection, "IniDir", s.iniDir);
    WriteInt(ini, "PageControl1->ActivePageIndex", s.activePage);
    WriteInt(ini, "LockHiddenPswd", s.lockHiddenPswd);
    WriteInt(ini, "NEWINSTAL", s.firstRun ? 1 : 0);
    const int count = std::min<int>(int(s.history.entries.size()), kHistoryMax);
    for (int i = 0; i < count; ++i) SetIniValue(ini, kSection, HistoryKey(i), s.history.entries[i]);
    return AtomicWriteFile(path, IniTextString(ini));
}

void ClampSettings(TSettings& s) {
    if (s.language < 0 || s.language >= kLanguageCount) s.language = 0;
    if (s.comPortIndex < 0 || s.comPortIndex > kComPortAutoIndex) s.comPortIndex = 0;
    if (s.comScanIndex < 0 || s.comScanIndex >= kComPortCount) s.comScanIndex = 0;
}

void FitSettingsWindow(TSettings& s, const std::vector<TRect>& monitors) {
    const int64_t right = int64_t(s.left) + s.width;
    const int64_t bottom = int64_t(s.top) + s.height;
    const auto narrow = [](int64_t v) { return int(std::clamp<int64_t>(v, INT_MIN, INT_MAX)); };
    const TRect r = FitWindowToMonitors({s.left, s.top, narrow(right), narrow(bottom)}, monitors);
    s.left = r.left;
    s.top = r.top;
    s.width = r.width();
    s.height = r.height();
}

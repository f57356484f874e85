#include "files/settings.h"

#include "files/file_io.h"

#include <QSettings>
#include <QString>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>

namespace {

const QString kSection = QStringLiteral("FORM_HLAV/");
const QString kBasicSection = QStringLiteral("BASIC/");

QString HistoryKey(int i) {
    char key[32];
    std::snprintf(key, sizeof key, "MenuHistory%02i", i);
    return kSection + QString::fromLatin1(key);
}

bool ReadInt(const QSettings& ini, const QString& key, int& out) {
    const QVariant v = ini.value(key);
    if (!v.isValid()) return false;
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    if (ok) out = n;
    return ok;
}

void ReadText(const QSettings& ini, const QString& key, std::string& out) {
    const QVariant v = ini.value(key);
    if (v.isValid()) out = v.toString().toStdString();
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

void LoadSettings(const std::string& path, TSettings& s) {
    QSettings ini(Text(path), QSettings::IniFormat);
    ReadInt(ini, kSection + "Left", s.left);
    ReadInt(ini, kSection + "Top", s.top);
    ReadInt(ini, kSection + "Height", s.height);
    ReadInt(ini, kSection + "Width", s.width);

    int port = 0;
    const bool portStored = ReadInt(ini, kSection + "ComPort", port);
    s.comPortIndex = portStored ? port - 1 : kComPortAutoIndex;
    int scan = 0;
    if (ReadInt(ini, kSection + "ComPortAuto", scan)) s.comScanIndex = scan - 1;

    int language = 0;
    if (ReadInt(ini, kSection + "Language", language))
        s.language = language == kLanguageFrench ? 0 : language;

    ReadText(ini, kSection + "File", s.file);
    ReadText(ini, kSection + "IniDir", s.iniDir);
    int page = 0;
    if (ReadInt(ini, kSection + "PageControl1->ActivePageIndex", page) && page >= 0 &&
        page < kPageCount)
        s.activePage = page;
    ReadInt(ini, kSection + "LockHiddenPswd", s.lockHiddenPswd);

    int newInstal = 0;
    ReadInt(ini, kBasicSection + "NEWINSTAL", newInstal);
    s.firstRun = newInstal != 0 || !portStored;

    std::vector<std::string> stored(kHistoryMax);
    for (int i = 0; i < kHistoryMax; ++i) ReadText(ini, HistoryKey(i), stored[i]);
    s.history = HistoryFromStored(stored);
}

bool SaveSettings(const std::string& path, const TSettings& s) {
    EnsureParentDirectory(path);
    QSettings ini(Text(path), QSettings::IniFormat);
    ini.setValue(kSection + "Left", s.left);
    ini.setValue(kSection + "Top", s.top);
    ini.setValue(kSection + "Height", s.height);
    ini.setValue(kSection + "Width", s.width);
    ini.setValue(kSection + "ComPort", s.comPortIndex + 1);
    ini.setValue(kSection + "ComPortAuto", s.comScanIndex + 1);
    ini.setValue(kSection + "Language", s.language);
    ini.setValue(kSection + "File", Text(s.file));
    ini.setValue(kSection + "IniDir", Text(s.iniDir));
    ini.setValue(kSection + "PageControl1->ActivePageIndex", s.activePage);
    ini.setValue(kSection + "LockHiddenPswd", s.lockHiddenPswd);
    ini.setValue(kSection + "NEWINSTAL", s.firstRun ? 1 : 0);
    const int count = std::min<int>(int(s.history.entries.size()), kHistoryMax);
    for (int i = 0; i < count; ++i) ini.setValue(HistoryKey(i), Text(s.history.entries[i]));
    ini.sync();
    return ini.status() == QSettings::NoError;
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

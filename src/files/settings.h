#pragma once
// The program's settings between runs, kept in an INI file.

#include "files/history.h"
#include "files/window_fit.h"

#include <string>

inline constexpr int kComPortCount = 30;     // menu indexes 0..29 are COM1..COM30
inline constexpr int kComPortAutoIndex = 30; // menu index of "Com Auto"
inline constexpr int kLanguageCount = 4;     // English, German, French, Czech
inline constexpr int kLanguageFrench = 2;
inline constexpr int kPageCount = 6;

struct TSettings {
    int left = 0, top = 0, height = 0, width = 0; // window bounds in pixels
    int comPortIndex = kComPortAutoIndex;         // chosen port menu index
    int comScanIndex = 0;                         // port last tried by the automatic scan
    int language = 0;
    std::string file;   // current parameter file
    std::string iniDir; // last file chosen in a dialog or saved
    int activePage = 0;
    int lockHiddenPswd = 1;
    bool firstRun = false;
    THistory history;
};

// Reads the keys of section FORM_HLAV (and the first-run flag from BASIC) over the
// values already in s, which stand for the defaults of missing keys.  A missing
// ComPort means a fresh settings file: automatic port and the first-run state.  A
// stored French language is read as English.  Values that are not integers count
// as missing.
void LoadSettings(const std::string& path, TSettings& s);

// Writes every key of FORM_HLAV, the history for its existing entries only.
// Returns false when the file could not be written (not reported to the user).
bool SaveSettings(const std::string& path, const TSettings& s);

// Limits applied together with the image normalisation.
void ClampSettings(TSettings& s);

// Moves the stored window bounds onto the nearest of the given monitors.
void FitSettingsWindow(TSettings& s, const std::vector<TRect>& monitors);

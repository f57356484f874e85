#pragma once
// Where the program keeps its settings, image backup, diagnostic log and debug
// marker.  Linux follows the XDG base directories; Windows keeps the traditional
// places.

#include <string>

// The settings file name: title, "_v", the program version, ".ini".
std::string SettingsFileName();

std::string SettingsFilePath();
// The image backup: "_" + the settings file name, beside it.
std::string ImageBackupFilePath();
std::string DiagnosticLogPath();
std::string DebugMarkerPath();

// The directories used on Linux: $XDG_CONFIG_HOME or ~/.config, and
// $XDG_DATA_HOME or ~/.local/share (relative values are ignored, as XDG says).
std::string ConfigDirectory();
std::string DataDirectory();

#pragma once
// Message texts the window keeps in the current language; refreshed by every
// language switch so a message shown later speaks the new language.

#include <QString>

struct TWindowTexts {
    QString openFileError;    // "Open file error!"
    QString defaultSetting;   // "Do you want default setting?"
    QString attention;        // "Attention"
    QString warning;          // "Warning"
    QString newInstallation;  // the first-run message
    QString correctionPrefix; // "Correction for cylinder"
    QString helpFile;         // manual of the current language
    QString helpError;        // "Error by opening file " + manual + " !"
    QString releaseText;      // title addition while the bootloader holds the port
    QString readStatus;       // "Read:"
    QString verifyStatus;     // "Verify:"
    QString programStatus;    // "Program device:"
    QString comOpeningError;  // "Com opening error!"
};

// Fills every text for language `lang`.
TWindowTexts MakeWindowTexts(int lang);

// The window title: the program's title and the file in use, and while the
// boot loader holds the port its notice (`release` is empty otherwise).
QString ComposeWindowTitle(const QString& file, const QString& release);

// A caption in language `lang`; the English text when no table knows it.
QString TrText(const QString& english, int lang);

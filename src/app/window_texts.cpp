#include "app/window_texts.h"

#include "lang/lookup.h"
#include "lang/text_sets.h"
#include "lang/tr.h"

QString TrText(const QString& english, int lang) {
    if (english.isEmpty()) return english;
    const std::string key = english.toStdString();
    const std::string_view t = Tr(key, lang);
    if (t == kNotFoundText) return english;
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

QString ComposeWindowTitle(const QString& file, const QString& release) {
    QString title = "  Programming of Ardentix unit" + QString(7, ' ') + file;
    if (!release.isEmpty()) title += QString(3, ' ') + release;
    return title;
}

TWindowTexts MakeWindowTexts(int lang) {
    lang = ValidLang(lang);
    auto tr = [lang](const char* en) { return TrText(QString::fromUtf8(en), lang); };
    TWindowTexts t;
    t.openFileError = tr("Open file error!");
    t.defaultSetting = tr("Do you want default setting?");
    t.attention = tr("Attention");
    t.warning = tr("Warning");
    t.newInstallation = tr("This is a new installation of set software for Veldrona ignitions.\n"
                           "You have to read actual setting of ignition before first programming "
                           "of unit (the Read button),\nor open valid .ign file (e.g. from "
                           "attached CD) !");
    t.correctionPrefix = tr("Correction for cylinder");
    const std::string_view help = HelpFileName(lang);
    t.helpFile = QString::fromUtf8(help.data(), qsizetype(help.size()));
    t.helpError = QString::fromStdString(HelpFileErrorText(lang));
    t.releaseText = QString::fromStdString(ReleaseText(lang));
    t.readStatus = tr("Read:");
    t.verifyStatus = tr("Verify:");
    t.programStatus = tr("Program device:");
    t.comOpeningError = tr("Com opening error!");
    return t;
}

// Window title, boot-loader caption, manual names and the messages that are
// joined from pieces.

#include "lang/text_sets.h"

namespace {

constexpr TextSet kWindowTexts[] = {
    {"Title", {"Programming of Ardentix unit", kUseEnglish, kUseEnglish, kUseEnglish}},
    {"Release",
     {"(Disconnected by bootloader)", kUseEnglish, kUseEnglish, "(Dočasně odpojeno bootloaderem)"}},
    {"HelpFile",
     {"manual_Ardentix_en.pdf", "manual_Ardentix_de.pdf", "manual_Ardentix_fr.pdf",
      "manual_Ardentix_cz.pdf"}},
    {"HelpFileError",
     {"Error by opening file ", "Fehler beim öffnen der Datei ", "Erreur à l´ouvertur du Fichier ",
      "Chyba při otevírání souboru "}},
    {"OldFile1",
     {"Older or another version of *.ign file!\n\n",
      "Älter oder andere Version von Datendatei *.ign!\n\n", kUseEnglish,
      "Starší nebo odlišná verze souboru *.ign!\n\n"}},
    {"OldFile2",
     {"Some parameters won't be changed or will be set to default value.\n",
      "Einige Kenndaten werden nicht geändert oder werden implizit Wert gestellt.\n", kUseEnglish,
      "Některé parametry budou nezměněny nebo nataveny na základní hodnotu.\n"}},
    {"OldFile3",
     {"They are parameters which are not in older version or have another structure.",
      "Sie sind die Kenndaten, die in älter Version nicht sind oder andere Struktur "
      "haben",
      kUseEnglish,
      "Jsou to parametry, které v této verzi nebyly obsaženy nebo měly jinou "
      "strukturu."}},
};

std::string_view Piece(std::string_view key, int lang) {
    return TextFor(kWindowTexts, key, lang);
}

} // namespace

std::span<const TextSet> WindowTexts() {
    return kWindowTexts;
}

std::string BaseTitle() {
    return "  " + std::string(kTitleText);
}

std::string ReleaseText(int lang) {
    return "  " + std::string(Piece("Release", lang));
}

std::string_view HelpFileName(int lang) {
    return Piece("HelpFile", lang);
}

std::string HelpFileErrorText(int lang) {
    return std::string(Piece("HelpFileError", lang)) + std::string(HelpFileName(lang)) + " !";
}

std::string OldFileWarningText(int lang) {
    std::string text;
    for (std::string_view key : {"OldFile1", "OldFile2", "OldFile3"}) text += Piece(key, lang);
    return text;
}

// Menu captions and tool-tip hints of the main window.

#include "lang/text_sets.h"

namespace {

constexpr TextSet kMenuTexts[] = {
    {"MenuFile", {"&File", "&Datei", "&Fichier", "&Soubor"}},
    {"MenuNew", {"&New", "&Neu", "&Nouveau", "&Nový"}},
    {"MenuNewPage",
     {"&New for actual page", "&Neu für aktual Seite", kUseEnglish, "&Nový pro aktuální záložku"}},
    {"MenuOpen", {"&Open", "&Öffnen", "&Ouvrir", "&Otevřít"}},
    {"MenuOpenExeDir",
     {"Open from exe dir", "Öffnen aus exe dir", kUseEnglish, "Otevřít z exe dir"}},
    {"MenuOpenPage",
     {"Open for actual page", "Öffnen für aktual Seite", kUseEnglish,
      "&Otevřít pro aktuální záložku"}},
    {"MenuSave", {"&Save", "&Speichern", "&Mèmoriser", "&Uložit"}},
    {"MenuSaveExeDir",
     {"Save to exe dir", "Speichern in exe dir", kUseEnglish, "Uložit do exe dir"}},
    {"MenuPrint", {"&Print", "&Drucken", "&Imprimer", "&Tisk"}},
    {"MenuPrintAll", {"Print all", "Drucken alles", "&Imprimer tout", "Tisk vše"}},
    {"MenuExit", {"E&xit", "&Beenden", "&Sortir", "&Konec"}},
    {"MenuCom", {"&Com", "&COM-Anschluß", "&Connection com", "&Port"}},
    {"MenuDevice", {"&Ignition", "&Zündung", "&Allumage", "&Zapalování"}},
    {"MenuRead ButtonRead", {"&Read", "&Lesen", "&Lire", "Čí&st"}},
    {"MenuVerify BitBtnVerify", {"&Verify", "&Vergleichen", "&Verifier", "&Verifikace"}},
    {"MenuProgram BitBtnProgram", {"&Program", "&Programmieren", "&Programer", "&Programovat"}},
    {"MenuTools", {"Tools", "Werkzeuge", "Outillage", "Pomůcky"}},
    {"MenuAdvanceMinus", {"Advance -", "Vorzündung -", kUseEnglish, "Předstih -"}},
    {"MenuAdvancePlus", {"Advance +", "Vorzündung +", kUseEnglish, "Předstih +"}},
    {"MenuZpet", {"Undo", "Zurück", kUseEnglish, "Zpet"}},
    {"MenuZnovu", {"Redo", "Wieder", kUseEnglish, "Znovu"}},
    {"MenuLanguage", {"&Language", "&Sprache", "&Langue", "&Jazyk"}},
    {"MenuEnglish",
     {"&English", "&Englisch - English", "&Englais - English", "&Anglicky - English"}},
    {"MenuGerman", {"&German - Deutsch", "&Deutsch", "&Allemand - Deutsch", "&Německy - Deutsch"}},
    {"MenuFrench",
     {"&French - Francais", "&Französisch - Francais", "&Francais", "Francouzky - Francais"}},
    {"MenuCzech", {"&Czech - Česky", "&Tschechisch - Česky", "&Tchcque - Česky", "Če&sky"}},
    {"MenuHelp", {"&Help", "&Hilfe", "&Aide", "Nápověda"}},
    {"MenuContens", {"&Contents...", "&Inhalt...", "&Contenu", "Obsah"}},
    {"MenuAbout", {"&About...", "&Über Programm...", "&Contenu du programme", "&O programu..."}},
};

constexpr TextSet kHintTexts[] = {
    {"LabelVerze1",
     {"Version of program in ignition", "Programmverion der Zündung",
      "Variantes de courbe d´avance", "Verze programu v zapalování"}},
    {"LabelVerze2",
     {"Date of program in ignition", "Datum des Programm in der Zündung",
      "Date de programation de la courbe d´avance", "Datum zhotovení programu v zapalování"}},
    {"LabelVerze3",
     {"Time of program in ignition", "Programmierzeitpunkt der Zündung",
      "Temp de programation de la courbe d´avance", "Čas zhotovení programu v zapalování"}},
    {"SpeedButtonOpen MenuOpen",
     {"Open file with parametrs", "Kenndatendatei öffnen", "Ouvrir fichier avec paramètres",
      "Otevření souboru s parametry"}},
    {"SpeedButtonNew",
     {"Set default parametrs", "Neue Kenndatendatei erstellen",
      "Reprogramation des paramètres initial Dórigine", "Nastavení výchozích parametrů"}},
    {"SpeedButtonSave MenuSave",
     {"Save parametrs to file", "Kenndaten in Datei speichern", "Sauvegarder les paramètres",
      "Uložení parametrů do souboru"}},
    {"SpeedButtonPrint MenuPrint",
     {"Print parametrs", "Kenndaten Drucken", "Imprimer paramètres", "Tisk parametrů"}},
    {"BitBtnProgram MenuProgram",
     {"Programing  set parametrs to ignition", "Kenndaten in die Zündung programmieren",
      "Programer les paramètres dans ECU", "Programování nastavených parametrů do zapalování"}},
    {"BitBtnVerify MenuVerify",
     {"Compare set parametrs  with parametrs of ignition",
      "Kenndaten mit Zündungskenndaten vergleichen", "Comparer les paramètres de ECU",
      "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"}},
    {"ButtonRead MenuRead",
     {"Reading parametrs from ignition", "Kenndaten aus Zündung lesen", "Lire paramètres ECU",
      "Čtení parametrů ze zapalování"}},
    {"MenuNew",
     {"Set default parameters ", "Neue Kenndatendatei erstellen", "Céer nouveaux fichier ",
      "Nastavení výchozích parametrů"}},
    {"MenuExit",
     {"End of program", "Programm beenden", "Sortir du programme", "Ukončení programu"}},
    {"MenuLanguage",
     {"Set English or German or French or Czech ",
      "wählen sie Englisch, Deutsch, Französisch oder Tschechisch ",
      "Installer lange; Englais,Allemand , Francais ou Czech",
      "Nastavení jazyka na angličtinu, němčinu, francozštinu nebo češtinu "}},
    {"CheckBoxProgHned",
     {"Programing at once after change", "Programmmieren sofort nach dem änderung",
      "Programation instantanée des modifications", "Programování ihned po změně"}},
    {"MenuCom",
     {"Set number of com", "Com-Anschluß festlegen", "Installer nombre de com",
      "Nastavení čísla serivého portu (Com) "}},
    // Each language item speaks its own language, so a user lost in a foreign
    // menu still finds the way back.
    {"MenuEnglish", {"Set English menu", kUseEnglish, kUseEnglish, kUseEnglish}},
    {"MenuGerman", {"Deutsches Menü", kUseEnglish, kUseEnglish, kUseEnglish}},
    {"MenuFrench", {"Installer en Francais ", kUseEnglish, kUseEnglish, kUseEnglish}},
    {"MenuCzech", {"Nastavit české menu", kUseEnglish, kUseEnglish, kUseEnglish}},
};

} // namespace

std::span<const TextSet> MenuTexts() {
    return kMenuTexts;
}
std::span<const TextSet> HintTexts() {
    return kHintTexts;
}

// Message texts the main window keeps in the current language, keyed by their
// English wording.

#include "lang/text_sets.h"

namespace {

constexpr TextSet kMessageTexts[] = {
    {nullptr, {"Advance", "Vorzündung", "Avance", "Předstih"}},
    {nullptr, {"Base advance", "Basis Vorzündung", kUseEnglish, "Základní předstih"}},
    {nullptr, {"Pick-up (CKPS)", "Geber(CKPS)", "Capteur(CKPS)", "Snímač (CKPS)"}},
    {nullptr, {"Input", "Eingang", "Entrée", "Vstup"}},
    {nullptr, {"Open", "Offen", kUseEnglish, "Otevřený"}},
    {nullptr, {"Grounded", "zu Erde", kUseEnglish, "Uzeměn"}},
    {nullptr, {"Fuel pump", "Kraftstoffpumpe", kUseEnglish, "Palivová pumpa"}},
    {nullptr, {"Gear shift light", "Schaltblitz", "Retard à l´allumage", "Kontrolka řazení"}},
    {nullptr, {"Power jet", kUseEnglish, kUseEnglish, kUseEnglish}},
    {nullptr, {"Special out", "Sonderausgang", kUseEnglish, "Specielní výstup"}},
    {nullptr, {"Dwell", "Anfachung", kUseEnglish, "Buzení"}},
    {nullptr, {"Dwell opt.", "Anfachung opt.", kUseEnglish, "Buzení opt."}},
    {nullptr, {"Motor off", kUseEnglish, "Blocage", "Blokování"}},
    {nullptr, {"Clutch master", "Schaltautomat", kUseEnglish, kUseEnglish}},
    {nullptr, {"Kill switch", "Not Aus", "Interrupteur de sécurité", kUseEnglish}},
    {nullptr, {"Start limiter", "Startbegrenzer", "Limitateur départ", "Startovací omezovač"}},
    {nullptr, {"Retard", "Spätzündung", "Retard d´allumage", "Snížení předstihu"}},
    {nullptr,
     {"Program error!", "Programmier Fehler", "Erreur de programmation!", "Chyba programování"}},
    {nullptr, {"Verify error!", "Vergleichsfehler", "Verifier erreur!", "Chyba verifikace!"}},
    {nullptr, {"Read error!", "Lesefehler", "Lire erreur!", "Chyba čtení!"}},
    {nullptr, {"Program device:", "Programmieren:", "Programmer:", "Programování:"}},
    {nullptr,
     {"Unmatched version of PC and Ignition programs!",
      "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!",
      "Programme du boitier d´alumage non compatible avec programme PC!",
      "Neshodné verze proramu v PC a zapalování!"}},
    {nullptr,
     {"Unmatched subversion of PC and Ignition programs!",
      "Inkongruend SubVersion PC und der Zündung!", kUseEnglish,
      "Neshodné podverze proramu v PC a zapalování!"}},
    {nullptr, {"Verify:", "Vergleichen:", "Vérifier", "Verifikace:"}},
    {nullptr, {"Read:", "Lesen:", "Lire", "Čtení:"}},
    {nullptr, {"Saving:", "Speichern:", "Mémorisation", "Ukládání:"}},
    {nullptr,
     {"Number of Programing= ", "Programmierungsanzahl= ", "Nombre de programmations= ",
      "Počet programování= "}},
    {nullptr, {"YES", "JA", "Oui", "ANO"}},
    {nullptr, {"NO", "NEIN", "Non", "NE"}},
    {nullptr,
     {"Com opening error!", "Falscher COM-Anschlußes!", "Erreur connections PC!",
      "Chyba při otevírání portu Com!"}},
    {nullptr,
     {"Open file error!", "Fehler beim öffnen der Datei!", "Erreur ouvertur fichier!",
      "Chyba při otevírání souboru!"}},
    {nullptr,
     {"Do you want default setting?", "Wollen Sie Standardeinstellungen öffnen?",
      "Voulez vous la programation de base?", "Chcete nastavit základní hodnoty?"}},
    {nullptr,
     {"Unmatched version of *.ign file!", "Datendatei *.ign ist nicht kompatiebel!",
      "Programme du fichier non compatible avec programme PC!", "Neshodná verze souboru *.ign!"}},
    {nullptr,
     {"Date and time of printing:  ", "Zeitpunkt des Ausdruckes   ",
      "Date et heur de l´imprimé:   ", "Datum a čas tisku:  "}},
    {nullptr,
     {"Pick up system error                    ", "Gebersystemehler                        ",
      kUseEnglish, "Chyba v snímacím systému                "}},
    {nullptr, {", polarity error", ", Fehler Polarität", kUseEnglish, ", chyba polarity"}},
    {nullptr, {"is running", "läuft", " fonctionne", "pracuje"}},
    {nullptr, {"no signal", "kein Signal", "pas de signal", "bez signálu"}},
    {nullptr, {"Servo desired=", "Servo Sollspanung=", kUseEnglish, "Servo požadované="}},
    {nullptr, {"Servo measured=", "Servo gemessene=", kUseEnglish, "Servo měřené="}},
    {nullptr, {"Dwell=", "Anfachung=", kUseEnglish, "Buzení="}},
    {nullptr,
     {"This is a new installation of set software for Veldrona ignitions.\nYou have to read actual "
      "setting of ignition before first programming of unit (the Read button),\nor open valid .ign "
      "file (e.g. from attached CD) !",
      kUseEnglish, kUseEnglish,
      "Toto je nová instalace setovacího programu pro zapalování Veldrona.\nPřed prvním "
      "naprogramováním jednotky musíte stav připojené jednotky vyčíst (tlačítkem číst),\nnebo "
      "otevřít .ign soubor s odpovídajícím nastavením (například z přiloženého CD) !"}},
    {nullptr,
     {"There is a different bike choosen in set software and in ignition unit,\n are you sure to "
      "reprogram it ?\n",
      kUseEnglish, kUseEnglish,
      "V setovacím programu je vybrán jiný motocykl než aktuálně nastavený v zapalování,\n jste si "
      "jist že chcete provést v zapalování tuto změnu ?"}},
    {nullptr, {"Warning", kUseEnglish, kUseEnglish, "Varování"}},
    {nullptr, {"Attention", kUseEnglish, kUseEnglish, "Upozornění"}},
    {nullptr,
     {"Correction for cylinder", "Korrektur für Zylinder", kUseEnglish, "Korekce pro válec"}},
    // Pieces of the live pick-up and status labels that the table above lacks.
    {nullptr,
     {", negative polarity", ", negative Polarität", ", polarité négative", ", záporná polarita"}},
    {nullptr,
     {", positive polarity", ", positive Polarität", ", polarité positive", ", kladná polarita"}},
    {nullptr,
     {"Programmed data error", "Fehler in den programmierten Daten",
      "Erreur des données programmées", "Chyba naprogramovaných dat"}},
    {nullptr,
     {"Stored dwell calibration value out of limits",
      "Gespeicherter Anfachungs-Kalibrierwert außerhalb der Grenzen",
      "Valeur de calibrage du dwell enregistrée hors limites",
      "Uložená kalibrační hodnota buzení je mimo meze"}},
    // The command-line monitor names the power outputs with this word.
    {nullptr, {"Output", "Ausgang", "Sortie", "Výstup"}},
};

} // namespace

std::span<const TextSet> MessageTexts() {
    return kMessageTexts;
}

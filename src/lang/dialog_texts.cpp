// Texts of the message boxes and device errors, looked up by English wording.

#include "lang/lookup.h"

namespace {

constexpr TLangEntry kDialogTexts[] = {
    {0, {"?STR not found?", nullptr, nullptr, nullptr}},
    {0, {"", nullptr, nullptr, nullptr}},
    {0, {"YES", "JA", "Oui", "ANO"}},
    {0, {"NO", "NEIN", "Non", "NE"}},
    {0, {"Cancel", "Beenden", nullptr, "Zpět"}},
    {0, {"OK", nullptr, nullptr, "Nastav"}},
    {0, {"Error", "Fehler", nullptr, "Chyba"}},
    {0, {"Warning", "Warnung", nullptr, "Varování"}},
    {0,
     {"Choose continuouse rectangle arrea of cells...", nullptr, nullptr,
      "Vyberte obdelníkovou oblast buněk..."}},
    {0, {"Reset error", "Reset Fehler", nullptr, "Chyba resetu"}},
};

} // namespace

std::span<const TLangEntry> DialogTexts() {
    return kDialogTexts;
}

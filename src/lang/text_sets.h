#pragma once
// The main window's text sets.  Apply them in one loop each:
//   for (const TextSet& row : MenuTexts())
//       ForEachControl(row, [&](auto name) { SetCaption(name, SetText(row, lang)); });

#include <span>
#include <string>
#include <string_view>

#include "lang/text_set.h"

// Menu item captions, keyed by item name.
std::span<const TextSet> MenuTexts();

// Tool-tip hints, keyed by control name.  The four language items carry their
// hint in their own language whatever the current language is.
std::span<const TextSet> HintTexts();

// Captions, labels and list items of the pages, keyed by control name.  Radio
// group items are one text with the items separated by '\n' under the key
// "<group>.Items"; drop-down items are keyed "<list>.<index>".  The power-out
// page built at run time uses "POutMode" and "POutMap" (the output number
// follows the caption), "POutMode.Items" and "POutHysteresis".
std::span<const TextSet> PageTexts();

// Key of one drop-down item, e.g. ItemKey("ComboBoxSynchro", 3).
std::string ItemKey(std::string_view list, int index);

// Message texts the main window keeps, keyed by their English text.
std::span<const TextSet> MessageTexts();

// Monitor and status labels built from a translated word and a fixed tail.
struct ComposedLabel {
    const char* control;
    const char* word; // English text of a message row
    const char* tail; // shown until live data replaces it
};
std::span<const ComposedLabel> ComposedLabels();

// The word of the label in `lang` followed by its tail; empty for an unknown
// control.
std::string ComposedLabelText(std::string_view control, int lang);

// Window title, help files and the messages joined from pieces.
std::span<const TextSet> WindowTexts();

inline constexpr std::string_view kTitleText = "Programming of Ardentix unit";

// "  Programming of Ardentix unit": the title as every caption starts.
std::string BaseTitle();

// "  (Disconnected by bootloader)" in `lang`: the caption addition while the
// boot loader holds the unit.
std::string ReleaseText(int lang);

// The manual's file name for `lang`, e.g. "manual_Ardentix_de.pdf".
std::string_view HelpFileName(int lang);

// "Error by opening file <manual> !" in `lang`.
std::string HelpFileErrorText(int lang);

// The warning for an older or different .ign file, three pieces joined.
std::string OldFileWarningText(int lang);

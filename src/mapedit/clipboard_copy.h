#pragma once
// Texts the editor puts on the clipboard: the selection as tab-separated
// text, and the whole sheet both as plain table text and as a self-describing
// sheet text for the editor's private clipboard format.

#include "mapedit/tab_model.h"

#include <string>

// Name under which the sheet text's clipboard format is registered.
inline constexpr const char* kSheetClipboardFormat = "CF_VELDRONA_SHEET";

// The selected edit text while editing, else the selected items; empty when
// there is nothing to copy.
std::string CopySelection(const CTabModel& m);

struct CTableTexts {
    std::string Sheet; // for the private format
    std::string Plain; // for plain text
};
CTableTexts CopyTable(const CTabModel& m);

#pragma once
// Reading clipboard texts into the current sheet: plain text (into the edit
// text, or into the selected area) and the editor's own sheet text.  Texts of
// any length are read; a zero byte ends a text.

#include "mapedit/tab_model.h"

#include <optional>
#include <string_view>

// Returns whether anything was written.
bool PasteText(CTabModel& m, std::string_view text);

struct CPasteResult {
    bool Changed = false;
    std::optional<CEditorMessage> Message; // the dimension message, when refused for size
};
CPasteResult PasteSheet(CTabModel& m, std::string_view text);

// Paste command: the sheet text when the private format is present, else the plain text.
CPasteResult Paste(CTabModel& m, const std::optional<std::string>& plain,
                   const std::optional<std::string>& sheet);

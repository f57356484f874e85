#pragma once
// One call for code that only knows the English wording of a text.

#include <string_view>

// The text for `english` in language `lang`, searched in this order, the first
// match winning:
//   1. the main window's message texts,
//   2. the main window's page texts (captions, labels, list items),
//   3. the menu captions, then the tool-tip hints,
//   4. DialogTexts,
//   5. EditorTexts.
// A text found nowhere gives "?STR not found?", as the tables do.
std::string_view Tr(std::string_view english, int lang);

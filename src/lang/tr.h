#pragma once
// One call for code that only knows the English wording of a text.

#include <string_view>

// The text for `english` in language `lang`, searched in this order, the first
// match winning:
//   1. the main window's message texts,
//   2. the main window's page texts (captions, labels, list items),
//   3. the menu captions, then the tool-tip hints,
//   4. the window title, boot-loader caption, manual names and message pieces,
//   5. DialogTexts,
//   6. EditorTexts,
//   7. the messages joined from pieces, by their whole English text (the
//      older-file warning, the manual error of the English manual).
// A text found nowhere gives "?STR not found?", as the tables do.
std::string_view Tr(std::string_view english, int lang);

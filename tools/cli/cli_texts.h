#pragma once
// Texts of ardentix-cli in the chosen language, through the same tables as
// the window.  Wordings the tables do not carry (the tool's own) stay English.

#include "link/translate.h"

#include <string>
#include <string_view>

// The text for an English wording in language lang.
std::string CliText(std::string_view english, int lang);

// The same as a translator for the link engine and the monitor labels.
Translator CliTranslator(int lang);

// A message key of the file library ("Open file error!", the older-version
// warning, ...) in language lang.
std::string FileMessageText(std::string_view key, int lang);

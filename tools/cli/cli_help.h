#pragma once
// The --help text of ardentix-cli.

extern const char* const kCliHelp;

#pragma once
// The commands that work on files only: new, show, diff, convert.  Results go
// to out, messages to err; each returns a CliExit code.

#include "cli_options.h"

#include <ostream>

int RunNew(const TCliOptions& o, std::ostream& out, std::ostream& err);
int RunShow(const TCliOptions& o, std::ostream& out, std::ostream& err);
int RunDiff(const TCliOptions& o, std::ostream& out, std::ostream& err);
int RunConvert(const TCliOptions& o, std::ostream& out, std::ostream& err);

// Dispatches a file command; other commands are not handled here.
int RunFileCommand(const TCliOptions& o, std::ostream& out, std::ostream& err);

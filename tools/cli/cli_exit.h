#pragma once
// Exit codes of ardentix-cli.  Every failure has its own code so scripts can
// tell a unit that does not answer from a damaged file.

enum CliExit : int {
    ExitOk = 0,
    ExitDifferent = 1,       // diff: the files differ
    ExitUsage = 2,           // bad command line
    ExitFileError = 3,       // "Open file error!": a file cannot be read or written
    ExitFileVersion = 4,     // "Unmatched version of *.ign file!" or no parameter file at all
    ExitPortError = 5,       // "Com opening error!"
    ExitReadError = 6,       // "Read error!"
    ExitVerifyError = 7,     // "Verify error!"
    ExitProgramError = 8,    // "Program error!"
    ExitResetError = 9,      // "Reset error"
    ExitUnitVersion = 10,    // "Unmatched version of PC and Ignition programs!"
    ExitUnitSubVersion = 11, // "Unmatched subversion of PC and Ignition programs!"
    ExitTimeout = 12,        // the safety time limit ran out, or the unit went silent
    ExitInterrupted = 130,   // stopped by a signal; nothing was written
};

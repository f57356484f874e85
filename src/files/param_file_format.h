#pragma once
// Shared facts of the .ign keyword file: magic word, versions, message keys.

inline constexpr const char* kParamFileMagic = "VELDRONA_KEY";
inline constexpr int kParamFileVersion = 97;
inline constexpr const char* kProductCode = "ZORVEL";
inline constexpr const char* kProgramTitle = "Programming of Ardentix unit";

// Versions older programs wrote; read with conversions.
inline constexpr int kOlderParamFileVersions[] = {48, 54, 75, 80, 88, 93, 95, 96, 98};
// Below this version RPM_ADV has 10 breakpoints and ADVANCE is 10 x 10.
inline constexpr int kFirstFullMapVersion = 96;

// Message keys (English wording; the window translates them).
inline constexpr const char* kMsgOpenFileError = "Open file error!";
inline constexpr const char* kMsgUnmatchedFileVersion = "Unmatched version of *.ign file!";
inline constexpr const char* kMsgOlderFileVersion =
    "Older or another version of *.ign file!\n\n"
    "Some parameters won't be changed or will be set to default value.\n"
    "They are parameters which are not in older version or have another structure.";

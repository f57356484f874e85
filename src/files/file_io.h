#pragma once
// Whole-file reading and atomic whole-file writing.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Far above any file this program writes; larger files are refused.
inline constexpr uintmax_t kMaxWholeFileSize = 64u << 20;

// The bytes of a regular file, or nullopt when it cannot be opened or read or is
// larger than kMaxWholeFileSize.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes data to a temporary file beside path and renames it over path only when
// everything was written, so a failed or interrupted write leaves the previous
// file intact.  beforeCommit, when given, runs after the data is written and can
// abandon the write by returning false.
bool AtomicWriteFile(const std::string& path, std::string_view data,
                     const std::function<bool()>& beforeCommit = {});

// Creates the directory that will hold path, when missing.
void EnsureParentDirectory(const std::string& path);

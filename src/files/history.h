#pragma once
// The list of recently used parameter files, entry 0 being the file in use.

#include <string>
#include <vector>

inline constexpr int kHistoryMax = 10;
inline constexpr size_t kHistoryPathMax = 255;
inline constexpr size_t kHistoryCaptionMax = 127;

struct THistory {
    std::vector<std::string> entries; // at most kHistoryMax; empty strings may sit between
};

// Puts path at the head, moving an equal entry (exact comparison) up or pushing
// the oldest out of a full list.  A path longer than kHistoryPathMax is left out
// (a cut path would name another file), as is an empty path; returns false then.
bool AddToHistory(THistory& history, const std::string& path);

// "index name": the name after the last '\' (else the last '/'), the caption cut
// at its last '.' and to kHistoryCaptionMax characters.
std::string HistoryCaption(int index, const std::string& path);

// Menu items 1..9 show entries 1..9; item k is visible when k < count.
bool HistoryItemVisible(const THistory& history, int k);
// The separator after the items shows only when there is more than one entry.
bool HistorySeparatorVisible(const THistory& history);

// History entries as stored under the keys "MenuHistory00".."MenuHistory09": the
// count is one more than the highest index with a non-empty value; overlong
// values are left out.
THistory HistoryFromStored(const std::vector<std::string>& values);

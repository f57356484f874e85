#pragma once
// Text sets: the four-language texts the main window assigns to its controls
// and keeps for its messages.  Each row is keyed by the control name(s) it
// sets, or, for messages, by its English text.

#include <span>
#include <string_view>

#include "lang/lang_index.h"

// Marks a language that deliberately shows the English text.  A missing entry
// (nullptr) is a forgotten translation; this marker is a decision.
inline constexpr char kUseEnglish[] = "";

struct TextSet {
    // Control names separated by single spaces ("MenuRead ButtonRead" sets
    // both), or nullptr when the English text itself is the key.
    const char* key;
    const char* text[kLangCount]; // LangIndex order; English always present
};

// The row's text in `lang`; the English text where the row deliberately (or,
// by fault, silently) has none.  A language outside the four reads as English.
std::string_view SetText(const TextSet& row, int lang);

// True when `name` is one of the row's control names (or its English text,
// for a row keyed by English).
bool RowHasKey(const TextSet& row, std::string_view name);

// The first row keyed by `name`, or nullptr.
const TextSet* FindKey(std::span<const TextSet> set, std::string_view name);

// The first row whose English text is `english`, or nullptr.
const TextSet* FindEnglish(std::span<const TextSet> set, std::string_view english);

// The text of the row keyed by `name` in `lang`; empty when no row has it.
std::string_view TextFor(std::span<const TextSet> set, std::string_view name, int lang);

// Calls fn(controlName) for every control a row sets.
template <typename Fn>
void ForEachControl(const TextSet& row, Fn fn) {
    std::string_view rest = row.key ? row.key : "";
    while (!rest.empty()) {
        const auto space = rest.find(' ');
        fn(rest.substr(0, space));
        if (space == std::string_view::npos) break;
        rest.remove_prefix(space + 1);
    }
}

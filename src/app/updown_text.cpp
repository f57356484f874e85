#include "app/updown_text.h"

#include <cstdlib>

std::string FormatUpDownValue(int value, std::string_view separator) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -static_cast<long long>(value) : value);
    std::string out;
    const int n = int(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return negative ? "-" + out : out;
}

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Separators that users type even when the locale uses another one.
bool SkipSeparator(std::string_view text, size_t& i, std::string_view separator) {
    if (!separator.empty() && text.substr(i, separator.size()) == separator) {
        i += separator.size();
        return true;
    }
    static constexpr std::string_view kOthers[] = {" ", "\xC2\xA0", "\xE2\x80\xAF"};
    for (auto s : kOthers)
        if (text.substr(i, s.size()) == s) {
            i += s.size();
            return true;
        }
    return false;
}
} // namespace

std::optional<int> ParseUpDownText(std::string_view text, std::string_view separator) {
    size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    text = text.substr(b, e - b);
    if (text.empty()) return std::nullopt;

    size_t i = 0;
    bool negative = false;
    if (text[0] == '-' || text[0] == '+') {
        negative = text[0] == '-';
        ++i;
    }
    long long v = 0;
    int digits = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            v = v * 10 + (c - '0');
            if (v > 1000000000LL) return std::nullopt;
            ++digits;
            ++i;
            continue;
        }
        // A separator only counts between digits.
        if (digits == 0 || !SkipSeparator(text, i, separator)) return std::nullopt;
        if (i >= text.size() || text[i] < '0' || text[i] > '9') return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    return int(negative ? -v : v);
}

#include "files/token_reader.h"

namespace {
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
} // namespace

std::optional<std::string_view> TokenReader::peek() {
    while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
    if (pos_ >= text_.size()) return std::nullopt;
    size_t end = pos_;
    while (end < text_.size() && !IsSpace(text_[end])) ++end;
    return text_.substr(pos_, end - pos_);
}

std::optional<std::string_view> TokenReader::next() {
    auto t = peek();
    if (t) pos_ += t->size();
    return t;
}

bool TokenReader::atEnd() {
    return !peek();
}

std::optional<int64_t> TokenReader::nextNumber(bool allowSign) {
    auto t = peek();
    if (!t) return std::nullopt;
    auto v = ParseNumber(*t, allowSign);
    if (v) pos_ += t->size();
    return v;
}

std::optional<int64_t> ParseNumber(std::string_view token, bool allowSign) {
    size_t i = 0;
    bool negative = false;
    if (allowSign && i < token.size() && (token[i] == '+' || token[i] == '-')) {
        negative = token[i] == '-';
        ++i;
    }
    if (i >= token.size()) return std::nullopt;
    // Digits beyond this bound are noise; saturating keeps the arithmetic defined.
    constexpr int64_t kLimit = int64_t(1) << 40;
    int64_t v = 0;
    for (; i < token.size(); ++i) {
        char c = token[i];
        if (c < '0' || c > '9') return std::nullopt;
        if (v < kLimit) v = v * 10 + (c - '0');
    }
    return negative ? -v : v;
}

#pragma once
// Splits text into white-space separated tokens and reads decimal numbers.
// Never reads past the end of the text.

#include <cstdint>
#include <optional>
#include <string_view>

class TokenReader {
  public:
    explicit TokenReader(std::string_view text) : text_(text) {}

    // Next token, or nullopt at the end of the text.
    std::optional<std::string_view> next();
    // The next token without consuming it.
    std::optional<std::string_view> peek();
    // Consumes the next token when it is a decimal number (optional sign, then
    // digits only); otherwise leaves it in place and returns nullopt.
    std::optional<int64_t> nextNumber(bool allowSign = true);

    bool atEnd();

  private:
    std::string_view text_;
    size_t pos_ = 0;
};

// A whole token as a decimal number; very long numbers saturate.
std::optional<int64_t> ParseNumber(std::string_view token, bool allowSign = true);

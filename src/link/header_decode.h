#pragma once
// The unit's header block turned into the three texts shown on the Bike page.

#include "model/param_image.h"

#include <array>
#include <string>

struct TUnitInfo {
    static constexpr int Size = 128;
    static constexpr int NamePos = 0;
    static constexpr int DatePos = 30;
    static constexpr int TimePos = 60;

    std::array<char, Size> text{};

    std::string Name() const { return TextAt(NamePos, DatePos - NamePos); }
    std::string Date() const { return TextAt(DatePos, TimePos - DatePos); }
    std::string Time() const { return TextAt(TimePos, Size - TimePos); }

  private:
    // Up to the zero byte, never past the field.
    std::string TextAt(int pos, int maxLen) const;
};

// Two-character month text of a coded month byte: " 1".."12", "00" if unknown.
std::string MonthText(uint8_t code);

TUnitInfo DecodeHeader(const THeaderBlock& header);

// True when the header names protocol version 97.00.
bool HeaderVersionMatches(const THeaderBlock& header);

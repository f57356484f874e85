#include "link/header_decode.h"

#include <algorithm>

namespace {

// The month byte is the sum of the month's three-letter English name modulo 64.
constexpr std::array<uint8_t, 12> kMonthCodes = {25, 13, 32, 35, 39, 45, 43, 29, 40, 38, 51, 12};

char Tens(int v) {
    return char('0' + (v / 10) % 10);
}
char Units(int v) {
    return char('0' + v % 10);
}

} // namespace

std::string TUnitInfo::TextAt(int pos, int maxLen) const {
    auto begin = text.begin() + pos;
    auto end = std::find(begin, begin + maxLen, '\0');
    return std::string(begin, end);
}

std::string MonthText(uint8_t code) {
    auto it = std::find(kMonthCodes.begin(), kMonthCodes.end(), code);
    if (it == kMonthCodes.end()) return "00";
    const int month = int(it - kMonthCodes.begin()) + 1;
    return {month < 10 ? ' ' : Tens(month), Units(month)};
}

TUnitInfo DecodeHeader(const THeaderBlock& h) {
    using H = THeaderBlock;
    TUnitInfo info;
    char* name = info.text.data() + TUnitInfo::NamePos;
    name[0] = char(h[H::NameChars]);
    name[1] = char(h[H::NameChars + 1]);
    name[2] = char(h[H::NameChars + 2]);
    name[3] = Tens(h[H::NameNumber]);
    name[4] = Units(h[H::NameNumber]);
    name[5] = '\0';

    const std::string month = MonthText(h[H::Month]);
    char* date = info.text.data() + TUnitInfo::DatePos;
    const int day = h[H::Day];
    date[0] = day < 10 ? ' ' : Tens(day);
    date[1] = Units(day);
    date[2] = '.';
    date[3] = month[0];
    date[4] = month[1];
    date[5] = '.';
    date[6] = '2';
    date[7] = '0';
    date[8] = Tens(h[H::Year]);
    date[9] = Units(h[H::Year]);
    date[10] = '\0';

    char* time = info.text.data() + TUnitInfo::TimePos;
    time[0] = Tens(h[H::Hour]);
    time[1] = Units(h[H::Hour]);
    time[2] = ':';
    time[3] = Tens(h[H::Minute]);
    time[4] = Units(h[H::Minute]);
    time[5] = '\0';

    if (h[H::LongName] != 0) {
        std::copy_n(h.bytes.begin() + H::LongName, H::LongNameLength,
                    info.text.begin() + TUnitInfo::NamePos);
    }
    return info;
}

bool HeaderVersionMatches(const THeaderBlock& h) {
    return h[THeaderBlock::Version] == kProtocolVersion &&
           h[THeaderBlock::SubVersion] == kProtocolSubVersion;
}

#include "app/page_rules.h"

#include <algorithm>

namespace {
bool AnyInput(int input1, int input2, std::initializer_list<int> functions) {
    for (int f : functions)
        if (input1 == f || input2 == f) return true;
    return false;
}
} // namespace

TMiscStates MiscStates(int input1, int input2, bool inputsNeutralStand) {
    TMiscStates s;
    s.clutchEnabled = s.clutchArrowsVisible = AnyInput(input1, input2, {3, 4});
    s.retardEnabled = s.retardArrowsVisible = AnyInput(input1, input2, {5});
    s.startLimiterEnabled = s.startLimiterArrowsVisible = AnyInput(input1, input2, {6});
    s.inputGroupsEnabled = !inputsNeutralStand;
    return s;
}

TBikeStates BikeStates(int m, bool special, int outputCount) {
    TBikeStates s;
    for (int n = 1; n <= 4; ++n)
        s.channelVisible[n - 1] = m != kMethodHarley && (n == 1 || n <= outputCount);
    s.lobeCountEnabled = special && m != 0;
    s.lobeCountArrowsVisible = special && m != 0 && m != kMethodHarley;
    s.outputCountEnabled = special || m == 0;
    s.outputCountArrowsVisible = (special && m != kMethodHarley) || m == 0;
    s.channelLobesEnabled = special && m != 0;
    s.secondEdgeEnabled = special && m != kMethodMissingLobes;
    s.secondPickupVisible = m == 0 || m == 4 || m == 9;
    s.secondPickupEnabled = special && m != kMethodMissingLobes && m != 12;
    s.syncListEnabled = special;
    s.groupEnabled = special || m == 0;
    s.groupTextGrey = !special;
    return s;
}

std::array<bool, 4> CorrectionsVisible(int outputCount) {
    std::array<bool, 4> v{};
    for (int n = 1; n <= 4; ++n) v[n - 1] = n == 1 || outputCount >= n;
    return v;
}

std::string CorrectionsCaption(const std::string& prefix, int outputCount) {
    std::string s = prefix + " ";
    const int count = std::clamp(outputCount, 1, 4);
    for (int n = 1; n <= count; ++n) {
        if (n > 1) s += ",";
        s += std::to_string(n);
    }
    return s;
}

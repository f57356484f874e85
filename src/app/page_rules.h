#pragma once
// Which controls of the pages are visible and enabled, as plain functions of
// the page values, so the rules are tested without widgets.

#include <array>
#include <string>

// Miscellaneous page.
struct TMiscStates {
    bool clutchEnabled = false; // time and pause edits and labels
    bool clutchArrowsVisible = false;
    bool retardEnabled = false; // the edit stays visible
    bool retardArrowsVisible = false;
    bool startLimiterEnabled = false; // edit and label
    bool startLimiterArrowsVisible = false;
    bool inputGroupsEnabled = true;
};
TMiscStates MiscStates(int input1, int input2, bool inputsNeutralStand);

// Bike page.  `special` is BikeCode 22.
struct TBikeStates {
    std::array<bool, 4> channelVisible{};
    bool lobeCountEnabled = false;
    bool lobeCountArrowsVisible = false;
    bool outputCountEnabled = false;
    bool outputCountArrowsVisible = false;
    bool channelLobesEnabled = false; // edits enabled and arrows visible
    bool secondEdgeEnabled = false;
    bool secondPickupVisible = false;
    bool secondPickupEnabled = false;
    bool syncListEnabled = false; // list, its label, lobe-count label, column heads
    bool groupEnabled = false;
    bool groupTextGrey = false;
};
TBikeStates BikeStates(int method, bool special, int outputCount);

inline constexpr int kMethodHarley = 7;
inline constexpr int kMethodMissingLobes = 8; // every second-edge flag is forced on

// Advance Map page: correction n (0-based) visible, and the caption of the
// corrections label ("Correction for cylinder 1,2").
std::array<bool, 4> CorrectionsVisible(int outputCount);
std::string CorrectionsCaption(const std::string& prefix, int outputCount);

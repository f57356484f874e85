#pragma once
// Colours of the link's labels, by meaning; the window maps them to its palette.

#include <cstdint>
#include <string>

enum class ColourRole : uint8_t {
    Normal,  // the window's face colour
    Error,   // red
    Warning, // yellow
    Lime,
    Teal,
    Fuchsia,
    Aqua,
    White,
};

// A label as data: what it says, in which colour, and whether it is shown.
struct TLabel {
    std::string text;
    ColourRole colour = ColourRole::Normal;
    bool visible = true;
    bool enabled = true;

    bool operator==(const TLabel&) const = default;
};

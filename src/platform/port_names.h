#pragma once
// Names of the thirty Com menu ports on this platform.
//
// Linux has no COMn names, so the menu maps onto a fixed table:
//   Com 1..10  -> /dev/ttyUSB0..9   (USB serial adapters)
//   Com 11..20 -> /dev/ttyACM0..9   (USB CDC devices)
//   Com 21..30 -> /dev/ttyS0..9     (built-in ports)
// The automatic scan also tries index 30 ("COM31"), which names no device
// here.  Any other device path (a /dev/serial/by-id name, a pseudo-terminal)
// is used as a fixed port with --port DEVICE.
// On Windows the index n names "\\.\COM<n+1>".

#include <string>

inline constexpr int kComMenuPorts = 30;

// Device of Com menu index 0..30; empty when the index names no device.
std::string ComDeviceName(int index);

// Menu caption of index 0..29, e.g. "Com 1 (ttyUSB0)"; index 30 is "Com Auto".
std::string ComMenuCaption(int index);

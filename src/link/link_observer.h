#pragma once
// What the link tells the window to do.  Every method has a no-op default so a
// driver only overrides what it shows.

#include "link/colour_role.h"

#include <string>
#include <string_view>

// The status label below the pages and its progress gauge.
struct TStatusDisplay {
    std::string text;
    ColourRole colour = ColourRole::Normal;
    bool labelVisible = false;
    bool gaugeVisible = false;
    int gaugeMax = 5;
    int gaugeProgress = 0;

    bool operator==(const TStatusDisplay&) const = default;
};

class ILinkObserver {
  public:
    virtual ~ILinkObserver() = default;

    virtual void StatusChanged(const TStatusDisplay&) {}
    // A message box.  The link calls it as the last thing it does in a step,
    // so the window may run a nested event loop (or defer the box).
    virtual void ShowMessage(const std::string&) {}
    // The image (and the unit information) should be shown in the controls.
    virtual void ShowImage() {}
    // The map editors should redraw from the image.
    virtual void EditorsNeedRedraw() {}
    // A diagnostic log record (action and source number).
    virtual void LogRecord(std::string_view, int) {}
    // A Read has fetched all five blocks: clear the first-run flag and save
    // the settings when the flag was set.
    virtual void ReadCompleted() {}
    // The port was handed to the bootloader; releaseText goes into the title.
    virtual void PortReleased(const std::string&) {}
    // The bootloader gave the port back: re-apply the language texts and title.
    virtual void PortReturned() {}
    // "COM= ..." label and the check mark of the Com menu.
    virtual void PortLabelChanged(const std::string&) {}
    virtual void PortMenuChecked(int) {}
    // A good monitor packet was decoded (live values and labels are new).
    virtual void MonitorUpdated() {}
    // The signal state of pick-up 2 changed: refresh the live display now.
    virtual void Pickup2Changed() {}
    // "No Connection" label shown or hidden.
    virtual void ConnectionChanged(bool) {}
};

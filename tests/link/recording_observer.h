#pragma once
// Records what the link asks the window to do.

#include "link/link_observer.h"

#include <string>
#include <utility>
#include <vector>

struct RecordingObserver : ILinkObserver {
    std::vector<std::string> messages;
    std::vector<std::pair<std::string, int>> logs;
    std::vector<std::string> portLabels;
    std::vector<std::string> released;
    int showImage = 0, redraw = 0, readCompleted = 0, returned = 0, monitor = 0, pickup2Changes = 0;

    void ShowMessage(const std::string& m) override { messages.push_back(m); }
    void ShowImage() override { ++showImage; }
    void EditorsNeedRedraw() override { ++redraw; }
    void LogRecord(std::string_view action, int source) override {
        logs.emplace_back(std::string(action), source);
    }
    void ReadCompleted() override { ++readCompleted; }
    void PortReleased(const std::string& text) override { released.push_back(text); }
    void PortReturned() override { ++returned; }
    void PortLabelChanged(const std::string& text) override { portLabels.push_back(text); }
    void MonitorUpdated() override { ++monitor; }
    void Pickup2Changed() override { ++pickup2Changes; }
};

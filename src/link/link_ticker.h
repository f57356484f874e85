#pragma once
// Runs the link's 55 ms tick from a Qt event loop, without any widgets: used
// by the application, the command-line companion, the benchmarks and tests.

#include "link/link_engine.h"

#include <QTimer>

#include <functional>

inline constexpr int kTickMs = 55;

class TLinkTicker {
  public:
    // afterTick runs after every engine tick (e.g. the window's live displays).
    explicit TLinkTicker(TLinkEngine& engine, std::function<void()> afterTick = {});

    void Start() { timer_.start(); }
    void Stop() { timer_.stop(); }
    bool Running() const { return timer_.isActive(); }
    long Ticks() const { return ticks_; }

  private:
    TLinkEngine& engine_;
    std::function<void()> afterTick_;
    QTimer timer_;
    long ticks_ = 0;
};

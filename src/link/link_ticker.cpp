#include "link/link_ticker.h"

TLinkTicker::TLinkTicker(TLinkEngine& engine, std::function<void()> afterTick)
    : engine_(engine), afterTick_(std::move(afterTick)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kTickMs);
    timer_.callOnTimeout([this] {
        ++ticks_;
        engine_.Tick();
        if (afterTick_) afterTick_();
    });
}

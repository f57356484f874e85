#pragma once
// An engine on a fake port, optionally answered by the simulated unit.

#include "fake_port.h"
#include "recording_observer.h"
#include "sim_unit.h"

#include "link/link_engine.h"
#include "model/normalise.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

// A recognisable image that normalisation leaves alone.
inline TParamImage PatternImage(int seed) {
    TParamImage image;
    for (int i = 0; i < kImageSize; ++i) image.bytes[i] = uint8_t(i * 7 + seed);
    NormaliseImage(image);
    return image;
}

class LinkFixture : public ::testing::Test {
  protected:
    TParamImage image = PatternImage(1);
    FakePort port;
    RecordingObserver observer;
    TLinkEngine link{image, port, observer};
    std::optional<TSimUnit> unit;
    int64_t clockMs = 0;
    int ticks = 0;

    void SetUp() override {
        link.SetPortNamer([](int i) { return "COM" + std::to_string(i + 1); });
        link.SetChosenPort(0);
        link.OpenPort();
    }

    void AttachUnit(const TParamImage& unitImage, TSimConfig config = {}) {
        unit.emplace(unitImage, config);
        port.responder = [this](const TDeviceFrame& f) { return unit->Answer(f, clockMs); };
    }

    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            clockMs += 55;
            ++ticks;
            link.Tick();
        }
    }

    // Ticks until the operation ends; returns the ticks it took.
    int RunOperation(int limit = 400) {
        int n = 0;
        while (link.State().Operation != doIdle && n < limit) {
            Tick();
            ++n;
        }
        return n;
    }

    std::string StatusText() const { return link.Status().text; }
};

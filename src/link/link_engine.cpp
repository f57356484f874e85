#include "link/link_engine.h"

#include <algorithm>

TLinkEngine::TLinkEngine(TParamImage& image, ISerialPort& port, ILinkObserver& observer)
    : image_(image), port_(port), observer_(observer) {}

void TLinkEngine::Tick() {
    PollReceive();
    OperationTick();
    StatusTick();
    SuperviseConnection();
    ApplyLabelRules(labels_, live_, image_, s_.Connected);
}

void TLinkEngine::HandleFrame(FrameView frame) {
    if (frame[0] == kMonitorReply)
        HandleMonitorPacket(frame);
    else
        HandleDeviceReply(frame);
}

void TLinkEngine::HandleMonitorPacket(FrameView frame) {
    if (!FrameIntact(frame)) return;
    s_.SilenceCounter = 0;
    const bool hadPickup2 = hasLive_ && live_.Pickup2Signal();
    live_ = DecodeMonitorPacket(frame);
    hasLive_ = true;
    labels_ = BuildMonitorLabels(live_, image_, s_.Connected, tr_);
    observer_.MonitorUpdated();
    if (live_.Pickup2Signal() != hadPickup2) observer_.Pickup2Changed();
}

void TLinkEngine::RequestTestFire(int channel) {
    if (channel >= 1 && channel <= 3) s_.PendingTestFlags |= uint8_t(1u << (channel - 1));
}

void TLinkEngine::SendMonitorRequest() {
    if (!s_.PortEnabled) return;
    const TDeviceFrame frame = BuildMonitorRequest(s_.PendingTestFlags);
    s_.PendingTestFlags = 0;
    port_.Write(frame.data(), kFrameSize);
    port_.WaitTransmitEmpty();
}

// --- status display ---

void TLinkEngine::ShowStatus(std::string text, ColourRole colour) {
    status_.text = std::move(text);
    status_.colour = colour;
    status_.labelVisible = true;
    s_.StatusCountdown = kStatusTicks;
    NotifyStatus();
}

void TLinkEngine::SetGauge(int max, int progress) {
    // A maximum that shrinks (per cent back to blocks) takes the progress with it.
    status_.gaugeMax = max;
    status_.gaugeProgress = std::clamp(progress, 0, max);
    NotifyStatus();
}

void TLinkEngine::NotifyStatus() {
    observer_.StatusChanged(status_);
}

void TLinkEngine::StatusTick() {
    const TStatusDisplay before = status_;
    if (s_.StatusCountdown > 0) {
        --s_.StatusCountdown;
        status_.labelVisible = true;
    } else {
        status_.labelVisible = false;
        status_.gaugeVisible = false;
        s_.ProgrammedOk = false;
    }
    if (!(status_ == before)) NotifyStatus();
}

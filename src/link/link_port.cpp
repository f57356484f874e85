// Port supervision: opening, the receive poll, "No Connection", the automatic
// scan and the bootloader hand-over.

#include "link/link_engine.h"

#include <algorithm>

namespace {

// Short form of a device name for the "COM= " label: "\\.\COM3" -> "COM3",
// "/dev/ttyUSB0" -> "ttyUSB0"; long paths keep their tail.
std::string ShortDeviceName(const std::string& device) {
    std::string name = device;
    for (const char* prefix : {"\\\\.\\", "/dev/"}) {
        if (name.rfind(prefix, 0) == 0) name.erase(0, std::string(prefix).size());
    }
    constexpr size_t kMax = 20;
    if (name.size() > kMax) name.erase(0, name.size() - kMax);
    return name;
}

} // namespace

std::string TLinkEngine::CurrentDeviceName() const {
    if (!fixedDevice_.empty()) return fixedDevice_;
    const int index = s_.PortInUse();
    if (!portName_ || index < 0 || index > kLastScanPort) return {};
    return portName_(index);
}

void TLinkEngine::OpenPort() {
    if (!s_.PortEnabled) return;
    s_.Connected = false;
    const std::string device = CurrentDeviceName();
    observer_.PortLabelChanged("COM= " + ShortDeviceName(device));
    if (port_.IsOpen()) port_.Close();
    const bool opened = !device.empty() && port_.Open(device);
    const bool scanning = fixedDevice_.empty() && s_.ChosenPort == kAutoPort;
    // A port the scan cannot open is skipped on the next tick.
    if (!opened && scanning) s_.ReopenCounter = 200;
    observer_.PortMenuChecked(s_.ChosenPort);
    if (!opened && !scanning && !s_.QuietReopen) observer_.ShowMessage(Tr("Com opening error!"));
}

void TLinkEngine::ClosePort() {
    port_.Close();
}

void TLinkEngine::ChoosePort(int index) {
    s_.ChosenPort = index;
    fixedDevice_.clear();
    ClosePort();
    s_.QuietReopen = false;
    OpenPort();
}

void TLinkEngine::DisablePort() {
    if (!s_.PortEnabled) return;
    s_.PortEnabled = false;
    ClosePort();
}

void TLinkEngine::EnablePort() {
    if (s_.PortEnabled) return;
    s_.PortEnabled = true;
    OpenPort();
}

void TLinkEngine::BootloaderMessage(int portIndex, uint32_t code) {
    if (portIndex != s_.PortInUse()) return;
    switch (code) {
    case kBootloaderRelease:
        // Keeps the command byte and counters of the previous operation.
        s_.Operation = doRelease;
        return;
    case kBootloaderResetRelease:
        StartReset();
        s_.Operation = doRelease;
        return;
    case kBootloaderDone:
        EnablePort();
        observer_.PortReturned();
        return;
    default: return;
    }
}

void TLinkEngine::PollReceive() {
    if (!s_.PortEnabled) return;
    const int waiting = port_.BytesWaiting();
    if (waiting < kFrameSize) return; // the bytes stay queued for a later tick
    const int got = port_.Read(rx_.data(), std::min(waiting, kReceiveBufferSize));
    // Only a complete frame at the head of the read is examined; the rest is dropped.
    if (got < kFrameSize) return;
    HandleFrame(FrameView(rx_.data(), kFrameSize));
}

void TLinkEngine::SuperviseConnection() {
    const bool wasShown = s_.NoConnectionShown;
    if (s_.SilenceCounter < kSilenceLimit) {
        if (s_.PortEnabled) ++s_.SilenceCounter;
        s_.NoConnectionShown = false;
        s_.Connected = true;
    } else {
        s_.NoConnectionShown = true;
        s_.Connected = false;
        if (s_.ReopenCounter < 255) ++s_.ReopenCounter;
        if (s_.ReopenCounter >= kReopenTicks) {
            s_.ReopenCounter = 0;
            if (s_.PortEnabled) {
                ClosePort();
                s_.QuietReopen = true;
                if (++s_.ScanPort > kLastScanPort) s_.ScanPort = 0;
                OpenPort();
            }
        }
    }
    if (s_.NoConnectionShown) labels_.version.visible = false;
    if (s_.NoConnectionShown != wasShown) observer_.ConnectionChanged(s_.NoConnectionShown);
}

#pragma once
// The device link: the operation state machine, the live monitor and the port
// supervision, driven by one Tick() every 55 ms.  It owns the link state only;
// the image belongs to the caller and is passed in by reference.

#include "link/frame.h"
#include "link/header_decode.h"
#include "link/link_observer.h"
#include "link/link_state.h"
#include "link/monitor.h"
#include "link/serial_port.h"
#include "link/translate.h"
#include "model/param_image.h"

#include <array>
#include <functional>
#include <string>

// Device name of a Com menu index (0..30); empty when the index names no device.
using PortNamer = std::function<std::string(int index)>;

class TLinkEngine {
  public:
    TLinkEngine(TParamImage& image, ISerialPort& port, ILinkObserver& observer);

    void SetTranslator(Translator tr) { tr_ = std::move(tr); }
    void SetPortNamer(PortNamer namer) { portName_ = std::move(namer); }
    // A device path used instead of the Com menu (e.g. a pseudo-terminal);
    // the port is then supervised as a fixed port.
    void SetFixedDevice(std::string device) { fixedDevice_ = std::move(device); }
    // Port choice as loaded from the settings.
    void SetChosenPort(int index) { s_.ChosenPort = index; }
    void SetScanPort(int index) { s_.ScanPort = index; }

    // One 55 ms tick: receive poll, operation step, status lifetime, supervision.
    void Tick();

    // Operation starts; the first frame goes out from a later tick.  For
    // Verify and Program the caller has already read the controls into the
    // image and normalised it.
    void StartRead();
    void StartVerify();
    void StartProgram();
    void StartReset();

    // Test page: fire ignition channel 1..3 once with the next monitor request.
    void RequestTestFire(int channel);

    // Port handling.
    void OpenPort();
    void ClosePort();
    void ChoosePort(int index); // Com menu click
    void DisablePort();
    void EnablePort();
    void BootloaderMessage(int portIndex, uint32_t code);

    // Tick steps, public so a window can run them in its own order.
    void PollReceive();
    void OperationTick();
    void StatusTick();
    void SuperviseConnection();

    // Examines one received frame (the first 102 bytes of a read).
    void HandleFrame(FrameView frame);
    void HandleDeviceReply(FrameView frame);
    void HandleMonitorPacket(FrameView frame);

    const TLinkState& State() const { return s_; }
    const TStatusDisplay& Status() const { return status_; }
    const TUnitInfo& UnitInfo() const { return unitInfo_; }
    const TLiveValues& Live() const { return live_; }
    const TMonitorLabels& Labels() const { return labels_; }
    bool HasLiveValues() const { return hasLive_; }
    // Device name the next open uses.
    std::string CurrentDeviceName() const;

    static constexpr int kReceiveBufferSize = 15000;

  private:
    // Operations (link_operations.cpp).
    void SendBlockFrame();
    void SendMonitorRequest();
    void HandleHeaderReply(TDeviceOperation op);
    void AdvanceBlock();
    void StartVerifyPass();
    void FinishRead();
    void FailOperation(const char* message);
    void ReleasePort();
    void IdleTick();
    PayloadKind PayloadFor() const;

    // Status display.
    void ShowStatus(std::string text, ColourRole colour);
    void SetGauge(int max, int progress);
    void NotifyStatus();

    std::string Tr(std::string_view english) const { return Translate(tr_, english); }

    TParamImage& image_;
    ISerialPort& port_;
    ILinkObserver& observer_;
    Translator tr_;
    PortNamer portName_;
    std::string fixedDevice_;

    TLinkState s_;
    TStatusDisplay status_;
    TUnitInfo unitInfo_;
    TLiveValues live_;
    TMonitorLabels labels_;
    bool hasLive_ = false;
    std::array<uint8_t, kReceiveBufferSize> rx_{};
};

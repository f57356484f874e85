#pragma once
// One connection to the unit: the link engine on the real serial port, run
// by the link's 55 ms ticker inside a QtCore event loop until the operation
// ends, the safety limit runs out or the user interrupts.  Needs a
// QCoreApplication.

#include "link/link_engine.h"
#include "platform/serial_qt_port.h"

#include <functional>
#include <ostream>
#include <string>

enum class DeviceOp { Read, Verify, Program, Reset };

struct TOperationResult {
    int exitCode = 0;    // a CliExit code
    std::string message; // the final words, translated
    // Read: all five blocks arrived (the verify pass may still have failed).
    bool blocksRead = false;
};

struct TSessionSettings {
    std::string device;
    int lang = 0;
    int timeoutSeconds = 30;
    bool progress = false; // a line per block on err
};

class TDeviceSession : private ILinkObserver {
  public:
    TDeviceSession(TSessionSettings settings, std::ostream& err);

    // Opens the port; on failure returns false with the message in `message`.
    bool Open(std::string& message);

    // The image the operations read into or send from.
    TParamImage& Image() { return image_; }
    const TLinkEngine& Engine() const { return engine_; }

    // Runs one operation (with its verify pass) to its end.
    TOperationResult Run(DeviceOp op);

    // Runs the live monitor; onPacket is called for every good packet and
    // returns false to stop.  Ends with ExitOk when stopped, ExitTimeout when
    // no packet came for the time limit, ExitInterrupted on a signal.
    int Monitor(const std::function<bool()>& onPacket);

  private:
    void NotePhase();
    TDeviceOperation phase_ = doIdle;
    void StatusChanged(const TStatusDisplay& s) override { status_ = s; }
    void ShowMessage(const std::string& m) override { messages_.push_back(m); }
    void MonitorUpdated() override;

    void Start(DeviceOp op);
    void ShowProgress(TDeviceOperation op, int block);
    TOperationResult Outcome(DeviceOp op, TDeviceOperation lastPhase) const;
    TOperationResult VersionOutcome() const;
    std::string Text(std::string_view english) const;

    TSessionSettings settings_;
    std::ostream& err_;
    TParamImage image_;
    TQtSerialPort port_;
    TLinkEngine engine_;
    TStatusDisplay status_;
    std::vector<std::string> messages_;
    std::function<void()> packetArrived_;
    TDeviceOperation shownOp_ = doIdle; // the last progress line shown
    int shownBlock_ = -1;
};

// SIGINT, SIGTERM and SIGHUP end the running command at the next tick.
void InstallInterruptHandlers();
bool Interrupted();

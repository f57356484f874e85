#include "device_session.h"

#include "cli_exit.h"
#include "cli_texts.h"

#include "link/link_ticker.h"

#include <QEventLoop>
#include <QTimer>

#include <csignal>
#include <optional>

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

void OnSignal(int) {
    gInterrupted = 1;
}

const char* Caption(TDeviceOperation op) {
    switch (op) {
    case doRead: return "Read:";
    case doVerify: return "Verify:";
    case doProgram: return "Program device:";
    default: return "Reset:";
    }
}

TDeviceOperation FirstPhase(DeviceOp op) {
    switch (op) {
    case DeviceOp::Read: return doRead;
    case DeviceOp::Verify: return doVerify;
    case DeviceOp::Program: return doProgram;
    default: return doReset;
    }
}

// The phase an operation is in when it ends well: every transfer ends with
// its verify pass.
TDeviceOperation FinalPhase(DeviceOp op) {
    return op == DeviceOp::Reset ? doReset : doVerify;
}

const char* FailureText(TDeviceOperation phase) {
    switch (phase) {
    case doRead: return "Read error!";
    case doVerify: return "Verify error!";
    case doProgram: return "Program error!";
    default: return "Reset error";
    }
}

int FailureCode(TDeviceOperation phase) {
    switch (phase) {
    case doRead: return ExitReadError;
    case doVerify: return ExitVerifyError;
    case doProgram: return ExitProgramError;
    default: return ExitResetError;
    }
}

} // namespace

void InstallInterruptHandlers() {
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) sigaction(sig, &sa, nullptr);
}

bool Interrupted() {
    return gInterrupted != 0;
}

TDeviceSession::TDeviceSession(TSessionSettings settings, std::ostream& err)
    : settings_(std::move(settings)), err_(err), engine_(image_, port_, *this) {
    engine_.SetTranslator(CliTranslator(settings_.lang));
    engine_.SetFixedDevice(settings_.device);
    // Replies are examined as soon as they arrive rather than at the next
    // tick, which roughly halves the time of a transfer.
    port_.SetDataArrived([this] {
        engine_.PollReceive();
        NotePhase();
    });
}

std::string TDeviceSession::Text(std::string_view english) const {
    return CliText(english, settings_.lang);
}

bool TDeviceSession::Open(std::string& message) {
    messages_.clear();
    engine_.OpenPort();
    if (port_.IsOpen()) return true;
    message = settings_.device + ": " + Text("Com opening error!");
    return false;
}

void TDeviceSession::Start(DeviceOp op) {
    switch (op) {
    case DeviceOp::Read: return engine_.StartRead();
    case DeviceOp::Verify: return engine_.StartVerify();
    case DeviceOp::Program: return engine_.StartProgram();
    case DeviceOp::Reset: return engine_.StartReset();
    }
}

// The last operation phase seen; a verify pass can start and end between two
// ticks when replies are examined as they arrive, so both paths note it.
void TDeviceSession::NotePhase() {
    const TLinkState& st = engine_.State();
    if (st.Operation == doIdle) return;
    phase_ = st.Operation;
    ShowProgress(st.Operation, st.BlockIndex);
}

void TDeviceSession::ShowProgress(TDeviceOperation op, int block) {
    if (!settings_.progress || block < 1 || (op == shownOp_ && block == shownBlock_)) return;
    shownOp_ = op;
    shownBlock_ = block;
    err_ << Text(Caption(op)) << ' ' << block << '/' << kBlockCount << '\n' << std::flush;
}

TOperationResult TDeviceSession::VersionOutcome() const {
    const THeaderBlock& h = engine_.State().Header;
    const bool versionWrong = h[THeaderBlock::Version] != kProtocolVersion;
    return {versionWrong ? ExitUnitVersion : ExitUnitSubVersion, messages_.front()};
}

TOperationResult TDeviceSession::Outcome(DeviceOp op, TDeviceOperation lastPhase) const {
    const bool failed = status_.colour == ColourRole::Error || lastPhase != FinalPhase(op);
    const bool blocksRead = op == DeviceOp::Read && lastPhase == doVerify;
    if (!failed) {
        const std::string caption = Text(Caption(FirstPhase(op)));
        return {ExitOk, caption + " OK", blocksRead};
    }
    std::string text = Text(FailureText(lastPhase));
    // Which block the unit did not take or answer; 0 is the header.
    if (lastPhase != doReset)
        text += " (block " + std::to_string(BlockIndexOf(engine_.State().CommandByte)) + ")";
    return {FailureCode(lastPhase), text, blocksRead};
}

TOperationResult TDeviceSession::Run(DeviceOp op) {
    messages_.clear();
    status_ = {};
    Start(op);
    phase_ = engine_.State().Operation;
    std::optional<TOperationResult> result;
    QEventLoop loop;
    auto finish = [&](TOperationResult r) {
        if (result) return;
        result = std::move(r);
        loop.quit();
    };
    TLinkTicker ticker(engine_, [&] {
        if (result) return;
        const TLinkState& st = engine_.State();
        if (Interrupted()) return finish({ExitInterrupted, "interrupted"});
        if (!messages_.empty()) return finish(VersionOutcome());
        if (st.Operation == doIdle) return finish(Outcome(op, phase_));
        NotePhase();
    });
    QTimer limit;
    limit.setSingleShot(true);
    limit.setInterval(settings_.timeoutSeconds * 1000);
    QObject::connect(&limit, &QTimer::timeout, [&] {
        finish({ExitTimeout, "no end of the operation within " +
                                 std::to_string(settings_.timeoutSeconds) + " s"});
    });
    ticker.Start();
    limit.start();
    loop.exec();
    ticker.Stop();
    return *result;
}

void TDeviceSession::MonitorUpdated() {
    if (packetArrived_) packetArrived_();
}

int TDeviceSession::Monitor(const std::function<bool()>& onPacket) {
    std::optional<int> code;
    QEventLoop loop;
    auto finish = [&](int c) {
        if (code) return;
        code = c;
        loop.quit();
    };
    QTimer silence;
    silence.setSingleShot(true);
    silence.setInterval(settings_.timeoutSeconds * 1000);
    QObject::connect(&silence, &QTimer::timeout, [&] {
        err_ << settings_.device << ": " << Text("No Connection") << '\n';
        finish(ExitTimeout);
    });
    packetArrived_ = [&] {
        if (code) return;
        silence.start();
        if (!onPacket()) finish(ExitOk);
    };
    TLinkTicker ticker(engine_, [&] {
        if (Interrupted()) finish(ExitInterrupted);
    });
    ticker.Start();
    silence.start();
    loop.exec();
    ticker.Stop();
    packetArrived_ = nullptr;
    return *code;
}

#include "platform/serial_qt_port.h"

#include <QTimer>

namespace {
// Bounds of the waits: a 102-byte frame needs about 18 ms on the wire.
constexpr int kWriteWaitMs = 50;
} // namespace

TQtSerialPort::TQtSerialPort() {
    // readyRead can be emitted from inside our own calls (a zero wait for
    // input, a flush after a write), i.e. in the middle of the driver's
    // receive poll.  The notification is therefore queued to the event loop,
    // so the driver never handles a frame inside another one.
    QObject::connect(&port_, &QSerialPort::readyRead, [this] {
        if (!dataArrived_ || notificationQueued_) return;
        notificationQueued_ = true;
        QTimer::singleShot(0, &port_, [this] {
            notificationQueued_ = false;
            if (!dataArrived_ || !port_.isOpen()) return;
            inNotification_ = true;
            dataArrived_();
            inNotification_ = false;
        });
    });
}

TQtSerialPort::~TQtSerialPort() {
    Close();
}

bool TQtSerialPort::Open(const std::string& device) {
    Close();
    port_.setPortName(QString::fromStdString(device));
    if (!port_.open(QIODevice::ReadWrite)) return false;
    const bool configured =
        port_.setBaudRate(QSerialPort::Baud57600) && port_.setDataBits(QSerialPort::Data8) &&
        port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop) &&
        port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        port_.close();
        return false;
    }
    port_.clear(QSerialPort::AllDirections);
    return true;
}

void TQtSerialPort::Close() {
    if (!port_.isOpen()) return;
    port_.clear(QSerialPort::Input);
    port_.close();
}

bool TQtSerialPort::IsOpen() const {
    return port_.isOpen();
}

int TQtSerialPort::BytesWaiting() {
    if (!port_.isOpen()) return 0;
    port_.clearError();
    // Pull what the system has queued into the port's buffer (never blocks).
    // Inside a readyRead notification the buffer is already up to date.
    if (!inNotification_)
        while (port_.waitForReadyRead(0)) {
        }
    port_.clearError();
    return int(port_.bytesAvailable());
}

int TQtSerialPort::Read(uint8_t* buffer, int maxBytes) {
    if (!port_.isOpen()) return 0;
    const qint64 n = port_.read(reinterpret_cast<char*>(buffer), maxBytes);
    return n > 0 ? int(n) : 0;
}

bool TQtSerialPort::Write(const uint8_t* data, int size) {
    if (!port_.isOpen()) return false;
    if (port_.write(reinterpret_cast<const char*>(data), size) != size) return false;
    port_.flush();
    return true;
}

void TQtSerialPort::WaitTransmitEmpty() {
    if (port_.isOpen() && port_.bytesToWrite() > 0) port_.waitForBytesWritten(kWriteWaitMs);
}

#pragma once
// The real serial port behind the link: QSerialPort at 57600 baud, 8 data
// bits, no parity, one stop bit, no flow control.  Used synchronously from
// the tick, so it works with or without a running event loop.

#include "link/serial_port.h"

#include <QSerialPort>

#include <functional>

class TQtSerialPort : public ISerialPort {
  public:
    TQtSerialPort();
    ~TQtSerialPort() override;

    bool Open(const std::string& device) override;
    void Close() override;
    bool IsOpen() const override;
    int BytesWaiting() override;
    int Read(uint8_t* buffer, int maxBytes) override;
    bool Write(const uint8_t* data, int size) override;
    void WaitTransmitEmpty() override;

    // Called from the event loop (never from inside a call on this port)
    // when bytes arrive, so a driver can poll at once instead of waiting for
    // the next tick.
    void SetDataArrived(std::function<void()> callback) override {
        dataArrived_ = std::move(callback);
    }

  private:
    QSerialPort port_;
    std::function<void()> dataArrived_;
    bool inNotification_ = false;
    bool notificationQueued_ = false;
};

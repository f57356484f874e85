#pragma once
// What the link needs from a serial port.  The platform layer adapts the real
// port; tests use an in-memory fake.

#include <cstdint>
#include <functional>
#include <string>

class ISerialPort {
  public:
    virtual ~ISerialPort() = default;

    // Opens and configures the device (57600 baud, 8N1, no flow control).
    virtual bool Open(const std::string& device) = 0;
    // Discards pending input and closes; harmless when not open.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Clears any line error and returns the number of bytes waiting.
    virtual int BytesWaiting() = 0;
    // Reads at most maxBytes; returns the number read (0 on failure).
    virtual int Read(uint8_t* buffer, int maxBytes) = 0;
    // Writes all bytes; returns false on failure (callers do not retry).
    virtual bool Write(const uint8_t* data, int size) = 0;
    // Waits until the transmit queue is empty (bounded by the port).
    virtual void WaitTransmitEmpty() = 0;
    // Optional: a port that can tell when bytes arrive calls `callback` from
    // the event loop then, so replies are examined before the next tick.
    virtual void SetDataArrived(std::function<void()> callback) { (void)callback; }
};

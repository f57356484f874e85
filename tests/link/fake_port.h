#pragma once
// An in-memory serial port: records what is written, lets a test feed bytes,
// and can answer through a responder (usually the simulated unit).

#include "link/frame.h"
#include "link/serial_port.h"

#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

class FakePort : public ISerialPort {
  public:
    using Responder = std::function<std::optional<TDeviceFrame>(const TDeviceFrame&)>;

    // Devices that can be opened; empty means every name opens.
    std::set<std::string> existing;
    std::vector<std::string> openAttempts;
    std::vector<TDeviceFrame> sent;
    int closes = 0;
    int drains = 0;
    bool stalled = false;    // the unit does not answer
    bool writeFails = false; // writes go nowhere
    Responder responder;

    bool Open(const std::string& device) override {
        openAttempts.push_back(device);
        if (!existing.empty() && !existing.count(device)) return false;
        open_ = true;
        rx_.clear();
        return true;
    }
    void Close() override {
        if (open_) ++closes;
        open_ = false;
        rx_.clear();
    }
    bool IsOpen() const override { return open_; }
    int BytesWaiting() override { return open_ ? int(rx_.size()) : 0; }
    int Read(uint8_t* buffer, int maxBytes) override {
        int n = 0;
        while (n < maxBytes && !rx_.empty()) {
            buffer[n++] = rx_.front();
            rx_.pop_front();
        }
        return n;
    }
    bool Write(const uint8_t* data, int size) override {
        if (!open_ || writeFails) return false;
        for (int i = 0; i + kFrameSize <= size; i += kFrameSize) {
            TDeviceFrame f;
            std::copy_n(data + i, kFrameSize, f.begin());
            sent.push_back(f);
            if (responder && !stalled)
                if (auto reply = responder(f)) Feed(*reply);
        }
        return true;
    }
    void WaitTransmitEmpty() override { ++drains; }

    void Feed(const TDeviceFrame& f) { rx_.insert(rx_.end(), f.begin(), f.end()); }
    void FeedBytes(const std::vector<uint8_t>& bytes) {
        rx_.insert(rx_.end(), bytes.begin(), bytes.end());
    }
    size_t Queued() const { return rx_.size(); }

    // Frames sent with a given first byte.
    int SentCount(uint8_t command) const {
        int n = 0;
        for (const auto& f : sent) n += f[0] == command;
        return n;
    }

  private:
    bool open_ = false;
    std::deque<uint8_t> rx_;
};

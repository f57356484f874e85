// ardentix-sim: a stand-in for the ignition unit on a pseudo-terminal.

#include "sim_options.h"
#include "sim_state.h"
#include "sim_unit.h"

#include "model/defaults.h"
#include "model/normalise.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <random>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

volatile std::sig_atomic_t gStop = 0;
void OnSignal(int) {
    gStop = 1;
}

using Clock = std::chrono::steady_clock;

// One byte on the wire: start bit, 8 data bits, stop bit at 57600 baud.
constexpr auto kByteTime = std::chrono::nanoseconds(1'000'000'000LL * 10 / 57600);
constexpr int kPaceChunk = 8;
// Bytes that stop arriving in the middle of a frame are dropped after this.
constexpr auto kIdleGap = std::chrono::milliseconds(100);

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

// Sends a frame, at the wire rate when pacing.
void SendFrame(int fd, const TDeviceFrame& frame, bool pace) {
    if (!pace) {
        WriteAll(fd, frame.data(), frame.size());
        return;
    }
    auto due = Clock::now();
    for (size_t i = 0; i < frame.size(); i += kPaceChunk) {
        const size_t n = std::min<size_t>(kPaceChunk, frame.size() - i);
        due += kByteTime * n;
        std::this_thread::sleep_until(due);
        WriteAll(fd, frame.data() + i, n);
    }
}

struct Faults {
    const TSimOptions& opt;
    std::mt19937 rng;
    std::uniform_real_distribution<double> chance{0.0, 1.0};

    // The reply to send, or nothing when this one is dropped.
    std::optional<TDeviceFrame> Apply(TDeviceFrame reply) {
        if (opt.silent) return std::nullopt;
        if (chance(rng) < opt.dropProbability) return std::nullopt;
        if (chance(rng) < opt.corruptProbability) {
            const size_t at = std::uniform_int_distribution<size_t>(0, reply.size() - 1)(rng);
            reply[at] ^= uint8_t(std::uniform_int_distribution<int>(1, 255)(rng));
        }
        return reply;
    }
};

int64_t NowMs(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

std::optional<TParamImage> InitialImage(const TSimOptions& opt) {
    if (!opt.statePath.empty() && ::access(opt.statePath.c_str(), F_OK) == 0) {
        auto image = LoadImageFile(opt.statePath);
        if (!image)
            std::fprintf(stderr,
                         "ardentix-sim: %s does not hold 500 numbers of 0..255; "
                         "fix or remove it\n",
                         opt.statePath.c_str());
        return image;
    }
    TParamImage image = StartupImage();
    NormaliseImage(image);
    return image;
}

bool OpenPty(int& master, int& slave, std::string& path) {
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) return false;
    termios tio{};
    ::tcgetattr(slave, &tio);
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B57600);
    ::cfsetospeed(&tio, B57600);
    ::tcsetattr(slave, TCSANOW, &tio);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    path = name;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(kSimUsage, stdout);
        return 0;
    }
    std::string error;
    const auto parsed = ParseSimOptions(args, error);
    if (!parsed) {
        std::fprintf(stderr, "ardentix-sim: %s\n%s", error.c_str(), kSimUsage);
        return 2;
    }
    const TSimOptions& opt = *parsed;
    const auto image = InitialImage(opt);
    if (!image) return 2;

    int master = -1, slave = -1;
    std::string device;
    if (!OpenPty(master, slave, device)) {
        std::perror("ardentix-sim: openpty");
        return 1;
    }
    if (!opt.linkPath.empty()) {
        ::unlink(opt.linkPath.c_str());
        if (::symlink(device.c_str(), opt.linkPath.c_str()) != 0) {
            std::fprintf(stderr, "ardentix-sim: cannot make link %s: %s\n", opt.linkPath.c_str(),
                         std::strerror(errno));
            return 1;
        }
    }
    std::printf("%s\n", device.c_str());
    std::fflush(stdout);

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGHUP, OnSignal);

    TSimUnit unit(*image, {opt.version, opt.subVersion});
    if (!opt.statePath.empty()) SaveImageFile(opt.statePath, unit.Image());
    Faults faults{opt, std::mt19937(opt.seed)};
    const auto start = Clock::now();
    std::deque<uint8_t> rx;
    auto lastByte = Clock::now();

    while (!gStop) {
        pollfd pfd{master, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, 200);
        if (ready < 0 && errno != EINTR) break;
        uint8_t buf[512];
        ssize_t n = 0;
        while ((n = ::read(master, buf, sizeof buf)) > 0) {
            rx.insert(rx.end(), buf, buf + n);
            lastByte = Clock::now();
        }
        if (!rx.empty() && rx.size() < size_t(kFrameSize) && Clock::now() - lastByte > kIdleGap)
            rx.clear();
        while (rx.size() >= size_t(kFrameSize)) {
            TDeviceFrame request;
            std::copy_n(rx.begin(), kFrameSize, request.begin());
            if (!FrameIntact(request)) {
                rx.pop_front(); // look for the next frame start
                continue;
            }
            rx.erase(rx.begin(), rx.begin() + kFrameSize);
            // The request itself took its wire time to arrive.
            if (opt.pace) std::this_thread::sleep_for(kByteTime * kFrameSize);
            auto reply = unit.Answer(request, NowMs(start));
            if (unit.TakeImageChanged() && !opt.statePath.empty() &&
                !SaveImageFile(opt.statePath, unit.Image()))
                std::fprintf(stderr, "ardentix-sim: cannot write %s\n", opt.statePath.c_str());
            if (!reply) continue;
            reply = faults.Apply(*reply);
            if (!reply) continue;
            if (opt.delayMs > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(opt.delayMs));
            SendFrame(master, *reply, opt.pace);
        }
    }
    if (!opt.linkPath.empty()) ::unlink(opt.linkPath.c_str());
    ::close(slave);
    ::close(master);
    return 0;
}

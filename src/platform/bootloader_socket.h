#pragma once
// The bootloader hand-over channel.  The firmware-loading tool connects to the
// local socket "ardentix-bootloader" (kBootloaderSocketName) and writes lines
// of two decimal integers: the port index (COM number minus 1) and a code,
//   0 2147483553   release the port           (0x7FFFFFA1)
//   0 2147483554   reset the unit, then release (0x7FFFFFA2)
//   0 2147483556   take the port back          (0x7FFFFFA4)
// The link applies its own rules to each message (ignored unless the index
// is the port in use; other codes ignored).  Malformed lines are ignored.

#include <QLocalServer>

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

inline constexpr const char* kBootloaderSocketName = "ardentix-bootloader";

struct TBootloaderMessage {
    int portIndex = 0;
    uint32_t code = 0;
    bool operator==(const TBootloaderMessage&) const = default;
};

// One line "<index> <code>"; nothing when it is not two decimal integers in range.
std::optional<TBootloaderMessage> ParseBootloaderLine(std::string_view line);

class TBootloaderSocket {
  public:
    using Handler = std::function<void(const TBootloaderMessage&)>;

    explicit TBootloaderSocket(Handler handler);
    ~TBootloaderSocket();

    // Starts listening; a stale socket left by a crashed run is removed first.
    bool Listen(const QString& name = kBootloaderSocketName);
    QString ServerName() const { return server_.fullServerName(); }

  private:
    void Accept();

    QLocalServer server_;
    Handler handler_;
};

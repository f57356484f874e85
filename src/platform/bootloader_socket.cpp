#include "platform/bootloader_socket.h"

#include <QLocalSocket>

#include <charconv>

namespace {

constexpr qint64 kMaxLine = 256;

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() &&
           (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n'))
        s.remove_suffix(1);
    return s;
}

template <typename T>
bool ParseNumber(std::string_view s, T& out) {
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size();
}

} // namespace

std::optional<TBootloaderMessage> ParseBootloaderLine(std::string_view line) {
    line = Trim(line);
    const auto gap = line.find_first_of(" \t");
    if (gap == std::string_view::npos) return std::nullopt;
    TBootloaderMessage m;
    if (!ParseNumber(line.substr(0, gap), m.portIndex)) return std::nullopt;
    if (!ParseNumber(Trim(line.substr(gap)), m.code)) return std::nullopt;
    return m;
}

TBootloaderSocket::TBootloaderSocket(Handler handler) : handler_(std::move(handler)) {
    QObject::connect(&server_, &QLocalServer::newConnection, [this] { Accept(); });
}

TBootloaderSocket::~TBootloaderSocket() {
    server_.close();
}

bool TBootloaderSocket::Listen(const QString& name) {
    QLocalServer::removeServer(name);
    return server_.listen(name);
}

void TBootloaderSocket::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine(kMaxLine);
                if (auto m = ParseBootloaderLine(std::string_view(line.constData(), line.size())))
                    handler_(*m);
            }
            // A line longer than any valid message is noise: drop it.
            if (socket->bytesAvailable() > kMaxLine) socket->readAll();
        });
    }
}

#include "files/file_io.h"

#include <QSaveFile>
#include <QString>

#include <filesystem>
#include <fstream>

std::optional<std::string> ReadWholeFile(const std::string& path) {
    // Only regular files: a directory, pipe or device is no parameter file, and
    // reading one could block or never end.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxWholeFileSize) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string data;
    data.resize(size_t(size));
    in.read(data.data(), std::streamsize(size));
    data.resize(size_t(in.gcount())); // the file may have shrunk meanwhile
    if (in.bad()) return std::nullopt;
    return data;
}

bool AtomicWriteFile(const std::string& path, std::string_view data,
                     const std::function<bool()>& beforeCommit) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(data.data(), qint64(data.size())) != qint64(data.size())) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (beforeCommit && !beforeCommit()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

void EnsureParentDirectory(const std::string& path) {
    std::error_code ec;
    const auto parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
}

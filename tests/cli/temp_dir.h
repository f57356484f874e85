#pragma once
// A private folder for one test, removed with everything in it afterwards.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

struct TTempDir {
    std::filesystem::path path;

    TTempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ardentix-cli-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path = pattern;
    }
    ~TTempDir() {
        std::error_code ec;
        if (!path.empty()) std::filesystem::remove_all(path, ec);
    }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    std::string File(const std::string& name) const { return (path / name).string(); }
};

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

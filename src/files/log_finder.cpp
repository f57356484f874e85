#include "files/log_finder.h"

#include <fstream>
#include <optional>
#include <vector>

namespace {

constexpr size_t kChunk = 65536;

// Knuth-Morris-Pratt failure table.
std::vector<size_t> Failure(std::string_view p) {
    std::vector<size_t> f(p.size(), 0);
    for (size_t i = 1, k = 0; i < p.size(); ++i) {
        while (k > 0 && p[i] != p[k]) k = f[k - 1];
        if (p[i] == p[k]) ++k;
        f[i] = k;
    }
    return f;
}

// File position of the last character of the first match.
std::optional<std::streamoff> FirstMatchEnd(std::istream& in, std::string_view needle) {
    const auto fail = Failure(needle);
    std::vector<char> buf(kChunk);
    size_t k = 0;
    std::streamoff base = 0;
    for (;;) {
        in.read(buf.data(), std::streamsize(buf.size()));
        const auto got = size_t(in.gcount());
        if (got == 0) return std::nullopt;
        for (size_t i = 0; i < got; ++i) {
            while (k > 0 && buf[i] != needle[k]) k = fail[k - 1];
            if (buf[i] == needle[k]) ++k;
            if (k == needle.size()) return base + std::streamoff(i);
        }
        base += std::streamoff(got);
    }
}

TLogFindResult NotFound() {
    TLogFindResult r;
    r.editText = kLogFindNotFound;
    return r;
}

} // namespace

TLogFindResult FindInLog(std::istream& in, std::string_view needle) {
    if (needle.empty()) return NotFound();
    in.clear();
    in.seekg(0);
    const auto end = FirstMatchEnd(in, needle);
    if (!end) return NotFound();

    in.clear();
    in.seekg(*end);
    std::vector<char> buf(kChunk);
    in.read(buf.data(), std::streamsize(buf.size()));
    const auto got = size_t(in.gcount());
    size_t lf = 0;
    while (lf < got && buf[lf] != '\n') ++lf;
    if (lf == got) return NotFound();

    in.clear();
    in.seekg(*end + std::streamoff(lf) + 1);
    TLogFindResult r;
    in.read(reinterpret_cast<char*>(r.image.bytes.data()), kImageSize);
    if (in.gcount() != kImageSize) return NotFound();
    r.found = true;
    r.editText = kLogFindLoaded;
    return r;
}

TLogFindResult FindInLogFile(const std::string& path, std::string_view needle) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return NotFound();
    return FindInLog(in, needle);
}

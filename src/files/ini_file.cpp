#include "files/ini_file.h"

#include <algorithm>
#include <cstddef>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

// The section a header line opens, or nullopt for any other line.
std::optional<std::string_view> SectionOf(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

// The key of a "key=value" line; comments and other lines have none.
std::optional<std::string_view> KeyOf(std::string_view line) {
    const std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(0, eq));
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

std::string_view Unquoted(std::string_view v) {
    if (v.size() >= 2 && IsQuote(v.front()) && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

std::string Stored(std::string_view value) {
    if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return {};
    const bool needsQuotes = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) ||
                                                IsQuote(value.front()) || IsQuote(value.back()));
    return needsQuotes ? "\"" + std::string(value) + "\"" : std::string(value);
}

// Lines [first, end) of a section: from its header to the next header.
struct SectionRange {
    size_t header, end;
};

std::optional<SectionRange> FindSection(const TIniText& ini, std::string_view section) {
    for (size_t i = 0; i < ini.lines.size(); ++i) {
        const auto name = SectionOf(ini.lines[i]);
        if (!name || !SameName(*name, section)) continue;
        size_t end = i + 1;
        while (end < ini.lines.size() && !SectionOf(ini.lines[end])) ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> FindKey(const TIniText& ini, const SectionRange& r, std::string_view key) {
    for (size_t i = r.header + 1; i < r.end; ++i) {
        const auto k = KeyOf(ini.lines[i]);
        if (k && SameName(*k, key)) return i;
    }
    return std::nullopt;
}

} // namespace

TIniText ParseIniText(std::string_view text) {
    TIniText ini;
#ifdef _WIN32
    constexpr bool kPlatformCrlf = true;
#else
    constexpr bool kPlatformCrlf = false;
#endif
    // A text with lines keeps its line end; a new one takes the platform's.
    ini.crlf = text.find('\n') == std::string_view::npos
                   ? kPlatformCrlf
                   : text.find("\r\n") != std::string_view::npos;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ini.lines.emplace_back(line);
        pos = end + 1;
    }
    return ini;
}

std::string IniTextString(const TIniText& ini) {
    const std::string_view eol = ini.crlf ? "\r\n" : "\n";
    std::string text;
    for (const std::string& line : ini.lines) {
        text += line;
        text += eol;
    }
    return text;
}

std::optional<std::string> IniValue(const TIniText& ini, std::string_view section,
                                    std::string_view key) {
    const auto r = FindSection(ini, section);
    if (!r) return std::nullopt;
    const auto i = FindKey(ini, *r, key);
    if (!i) return std::nullopt;
    const std::string_view line = ini.lines[*i];
    return std::string(Unquoted(Trim(line.substr(line.find('=') + 1))));
}

void SetIniValue(TIniText& ini, std::string_view section, std::string_view key,
                 std::string_view value) {
    const std::string line = std::string(key) + "=" + Stored(value);
    auto r = FindSection(ini, section);
    if (!r) {
        ini.lines.push_back("[" + std::string(section) + "]");
        r = SectionRange{ini.lines.size() - 1, ini.lines.size()};
    }
    if (const auto i = FindKey(ini, *r, key)) {
        ini.lines[*i] = line;
        return;
    }
    // After the section's last non-blank line, so blank lines before the next
    // section stay where they are.
    size_t at = r->end;
    while (at > r->header + 1 && Trim(ini.lines[at - 1]).empty()) --at;
    ini.lines.insert(ini.lines.begin() + std::ptrdiff_t(at), line);
}

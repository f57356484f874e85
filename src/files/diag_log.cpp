#include "files/diag_log.h"

#include "files/file_io.h"
#include "files/token_reader.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>

bool DebugMarkerPresent(const std::string& markerPath) {
    auto text = ReadWholeFile(markerPath);
    if (!text) return false;
    TokenReader words(*text);
    while (auto w = words.next())
        if (*w == kDebugMarkerWord) return true;
    return false;
}

TLogTime LocalLogTime() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return {tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string LogHeaderLine(const TDiagLog& log, const TLogTime& now) {
    const std::string head = "<LOG TIME=" + std::to_string(now.day) + "." +
                             std::to_string(now.month) + "." + std::to_string(now.year) + " " +
                             std::to_string(now.hour) + ":" + std::to_string(now.minute) + ":" +
                             std::to_string(now.second) + " (" + std::to_string(log.calls) + ")";
    return head + "  ACTION=" + log.action + "  SOURCE=" + log.source +
           " SOURC_INT=" + std::to_string(log.sourceNumber) + ">";
}

bool WriteLogRecord(TDiagLog& log, const TParamImage& img, const TLogTime& now) {
    if (!log.debug) return false;
    EnsureParentDirectory(log.path);
    std::FILE* f = std::fopen(log.path.c_str(), "ab");
    if (!f) return false;

    const bool changed = log.calls == 0 || img.bytes != log.lastImage;
    log.lastImage = img.bytes;
    if (changed) {
        std::string record;
        if (log.calls == 0) {
            const std::string separator = "//" + std::string(74, '-') + "\n";
            record += separator + separator + separator;
        }
        record += LogHeaderLine(log, now) + "\n";
        record.append(reinterpret_cast<const char*>(img.bytes.data()), img.bytes.size());
        record += "\n</LOG>\n\n\n\n\n";
        std::fwrite(record.data(), 1, record.size(), f);
    }
    std::fclose(f);
    // Saturate: a wrapped counter would look like the first call of a run.
    if (log.calls < INT32_MAX) ++log.calls;
    log.action = kLogActionCleared;
    log.sourceNumber = 0;
    return changed;
}

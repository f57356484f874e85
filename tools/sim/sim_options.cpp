#include "sim_options.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

const char* const kSimUsage =
    "usage: ardentix-sim [options]\n"
    "Simulated ignition unit on a pseudo-terminal; prints the device path first.\n"
    "  --state FILE      keep the unit's parameter image in FILE\n"
    "  --link PATH       also make a symbolic link PATH to the device\n"
    "  --version V.SS    firmware version to report (default 97.00)\n"
    "  --drop P          leave a reply out with probability P (0..1)\n"
    "  --corrupt P       damage one byte of a reply with probability P\n"
    "  --delay-ms N      wait N ms before each reply\n"
    "  --silent          never answer\n"
    "  --seed N          seed of the fault generator\n"
    "  --pace            send at the 57600-baud wire rate\n";

namespace {

bool ToDouble(const std::string& s, double& out) {
    char* end = nullptr;
    out = std::strtod(s.c_str(), &end);
    return !s.empty() && *end == '\0';
}

bool ToLong(const std::string& s, long& out) {
    char* end = nullptr;
    out = std::strtol(s.c_str(), &end, 10);
    return !s.empty() && *end == '\0';
}

// "97.01" -> 97, 1; "96" -> 96, 0.
bool ToVersion(const std::string& s, int& version, int& sub) {
    const auto dot = s.find('.');
    long v = 0, sv = 0;
    if (!ToLong(s.substr(0, dot), v)) return false;
    if (dot != std::string::npos && !ToLong(s.substr(dot + 1), sv)) return false;
    if (v < 0 || v > 255 || sv < 0 || sv > 255) return false;
    version = int(v);
    sub = int(sv);
    return true;
}

} // namespace

std::optional<TSimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                           std::string& error) {
    TSimOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        static const char* const kKnown[] = {"--silent",  "--pace",     "--state",
                                             "--link",    "--version",  "--drop",
                                             "--corrupt", "--delay-ms", "--seed"};
        if (std::find(std::begin(kKnown), std::end(kKnown), a) == std::end(kKnown)) {
            error = "unknown option: " + a;
            return std::nullopt;
        }
        const bool flag = a == "--silent" || a == "--pace";
        if (!flag && i + 1 >= args.size()) {
            error = "missing value after " + a;
            return std::nullopt;
        }
        const std::string value = flag ? std::string() : args[i + 1];
        if (!flag) ++i;
        double d = 0;
        long n = 0;
        if (a == "--silent")
            o.silent = true;
        else if (a == "--pace")
            o.pace = true;
        else if (a == "--state")
            o.statePath = value;
        else if (a == "--link")
            o.linkPath = value;
        else if (a == "--version") {
            if (!ToVersion(value, o.version, o.subVersion)) {
                error = "bad version: " + value;
                return std::nullopt;
            }
        } else if (a == "--drop" || a == "--corrupt") {
            if (!ToDouble(value, d) || d < 0 || d > 1) {
                error = "probability out of 0..1: " + value;
                return std::nullopt;
            }
            (a == "--drop" ? o.dropProbability : o.corruptProbability) = d;
        } else if (a == "--delay-ms" || a == "--seed") {
            if (!ToLong(value, n) || n < 0) {
                error = "bad number: " + value;
                return std::nullopt;
            }
            if (a == "--seed")
                o.seed = uint32_t(n);
            else
                o.delayMs = int(n);
        } else {
            error = "unknown option: " + a;
            return std::nullopt;
        }
    }
    return o;
}

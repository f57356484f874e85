#pragma once
// Command line of the simulated unit.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TSimOptions {
    std::string statePath;
    std::string linkPath;
    int version = 97;
    int subVersion = 0;
    double dropProbability = 0;
    double corruptProbability = 0;
    int delayMs = 0;
    bool silent = false;
    uint32_t seed = 1;
    bool pace = false;
};

// Parses the arguments (without the program name); on failure returns nothing
// and puts a message in error.
std::optional<TSimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                           std::string& error);

extern const char* const kSimUsage;

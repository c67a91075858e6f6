// Random aircraft folders of the three model families that the installer accepts, for install
// and uninstall round trips: any mix of line ends, comments, letter cases and optional parts.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

struct RandomAircraft {
    std::string cfgName; // aircraft.cfg in some letter case
    // Relative native paths: files with their bytes, and model and flight-dynamics files that
    // only need their exact size (made sparse).
    std::vector<std::pair<std::string, std::string>> files;
    std::vector<std::pair<std::string, std::uintmax_t>> sizedFiles;
    bool asksManualSettings; // an iFDG model file of no known size
};

RandomAircraft randomAircraft(std::mt19937& random);

// Random aircraft folders of the three model families that the installer accepts, for install
// and uninstall round trips: any mix of line ends, comments, letter cases and optional parts.
#pragma once

#include <random>
#include <string>

#include "tests/support/test_files.h"

struct RandomAircraft {
    std::string cfgName;     // aircraft.cfg in some letter case
    bool asksManualSettings; // an iFDG model file of no known size
};

// Lays the aircraft out in the empty folder; model and flight-dynamics files are sparse.
RandomAircraft layOutRandomAircraft(std::mt19937& random, TemporaryFolder& folder);

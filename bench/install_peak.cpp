// One whole Install on an aircraft.cfg of the given number of aircraft sections, for measuring
// the peak memory from outside (/usr/bin/time -v). Prints the configuration's size in bytes.
#include <cstdio>
#include <cstdlib>

#include "bench/installer_session.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: install_peak LIVERIES\n");
        return 2;
    }
    InstallerSession session(std::atoi(argv[1]));
    if (!session.choose() || !session.install()) {
        std::fprintf(stderr, "Install failed\n");
        return 1;
    }
    std::printf("%ju\n", session.configBytes());
    return 0;
}

// The native program's options. They are read before curses starts, so --help, --version and a
// usage error also work in a pipe or a script.
#include "programs/terminal/command_line.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "installer_version.h"

namespace terminal {
namespace {

constexpr const char* kName = "zrk-md11-installer";

void printUsage() {
    std::printf(
        "Usage: %s [-C DIR]\n"
        "The ZRK MD-11 panel installer, its dialogs drawn in this terminal. It adapts an FS2004\n"
        "MD-11 aircraft folder to the ZRK MD-11 panel; Uninstall puts the folder back.\n"
        "Start it from the folder that holds tuning_res/ and trimdesk_res/, or name that\n"
        "folder with -C.\n"
        "\n"
        "  -C DIR      change to DIR before starting\n"
        "  -h, --help  show this help and exit\n"
        "  --version   show the version and exit\n"
        "\n"
        "Exit status: 1 after Quit or the close box, 0 when another copy is running,\n"
        "2 for a usage error, a folder that cannot be entered, or no terminal.\n",
        kName);
}

// A usage error: one line on standard error, and its exit code.
int usageError(const char* problem, const char* argument = "") {
    std::fprintf(stderr, "%s: %s%s (see %s --help)\n", kName, problem, argument, kName);
    return 2;
}

} // namespace

int applyCommandLine(int argc, char* argv[]) {
    const char* folder = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            printUsage();
            return 0;
        }
        if (argument == "--version") {
            std::printf("%s %s\n", kName, ZRK_VERSION_TEXT);
            return 0;
        }
        if (argument == "-C") {
            if (i + 1 == argc) {
                return usageError("-C needs a folder");
            }
            folder = argv[++i];
        } else if (argument.starts_with('-')) {
            return usageError("unknown option ", argv[i]);
        } else {
            return usageError("unexpected argument ", argv[i]);
        }
    }
    if (folder != nullptr && chdir(folder) != 0) {
        std::fprintf(stderr, "%s: cannot enter %s: %s\n", kName, folder, std::strerror(errno));
        return 2;
    }
    return -1;
}

} // namespace terminal

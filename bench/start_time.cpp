// Time from starting a terminal program in a fresh pseudo-terminal (100 x 30 cells) to the
// moment a marker text, the last thing its first screen draws, has come out of it. Prints the
// median over the runs in milliseconds, after one start not counted; the program is ended after
// each run.
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds to the marker, or a negative number when it did not come within 5 s.
double timeToMarker(char** command, const std::string& marker) {
    winsize size{30, 100, 0, 0};
    int terminal = -1;
    const Clock::time_point start = Clock::now();
    pid_t child = forkpty(&terminal, nullptr, nullptr, &size);
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        setenv("TERM", "xterm", 1);
        execv(command[0], command);
        _exit(127);
    }
    std::string seen;
    double elapsed = -1;
    pollfd wait{terminal, POLLIN, 0};
    while (poll(&wait, 1, 5000) > 0) {
        char chunk[4096];
        ssize_t count = read(terminal, chunk, sizeof chunk);
        if (count <= 0) {
            break;
        }
        seen.append(chunk, static_cast<std::size_t>(count));
        if (seen.find(marker) != std::string::npos) {
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    close(terminal);
    return elapsed;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: start_time RUNS MARKER PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    std::vector<double> times;
    // One start first, not counted: it reads the program and its libraries from disk.
    for (int run = -1; run < std::atoi(argv[1]); ++run) {
        double ms = timeToMarker(argv + 3, argv[2]);
        if (ms < 0) {
            std::fprintf(stderr, "start_time: \"%s\" did not appear\n", argv[2]);
            return 1;
        }
        if (run >= 0) {
            times.push_back(ms);
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("%.1f\n", times[times.size() / 2]);
    return 0;
}

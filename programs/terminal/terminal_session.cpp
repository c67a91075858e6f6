// Curses start and stop, and the signal handlers that restore the terminal. A handler may only
// use async-signal-safe calls, so the bytes that put the terminal back are composed at start.
#include "programs/terminal/terminal_session.h"

#include <curses.h>
#include <term.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <iterator>

namespace terminal {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV,
                            SIGBUS, SIGFPE,  SIGILL, SIGABRT};
struct sigaction previousActions[std::size(kSignals)];
bool handlersInstalled = false;

termios savedModes;
char restoreBytes[256];
std::size_t restoreLength = 0;
volatile std::sig_atomic_t cursesActive = 0;
SCREEN* screen = nullptr;

void appendCapability(const char* name) {
    char* value = tigetstr(const_cast<char*>(name));
    if (value == nullptr || value == reinterpret_cast<char*>(-1)) {
        return;
    }
    const std::size_t length = std::strlen(value);
    if (restoreLength + length < sizeof restoreBytes) {
        std::memcpy(restoreBytes + restoreLength, value, length);
        restoreLength += length;
    }
}

// Attributes off, mouse reports off (every mode curses may have asked for), keypad back to
// normal, cursor shown, and the screen the user had before.
void composeRestoreBytes() {
    restoreLength = 0;
    appendCapability("sgr0");
    static constexpr char kMouseOff[] = "\033[?1006l\033[?1002l\033[?1000l";
    std::memcpy(restoreBytes + restoreLength, kMouseOff, sizeof kMouseOff - 1);
    restoreLength += sizeof kMouseOff - 1;
    appendCapability("rmkx");
    appendCapability("cnorm");
    appendCapability("rmcup");
}

extern "C" void restoreOnSignal(int signal) {
    if (cursesActive != 0) {
        cursesActive = 0;
        tcsetattr(STDIN_FILENO, TCSANOW, &savedModes);
        [[maybe_unused]] ssize_t written = write(STDOUT_FILENO, restoreBytes, restoreLength);
    }
    // The signal then does what it did before: ends the process, or reaches the sanitizer's
    // report. It is blocked here, so it arrives once this handler has returned.
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (kSignals[i] == signal) {
            sigaction(signal, &previousActions[i], nullptr);
        }
    }
    raise(signal);
}

// Installed before curses starts, so that curses keeps its hands off these signals.
void installHandlers() {
    if (handlersInstalled) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = restoreOnSignal;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        sigaction(kSignals[i], &action, &previousActions[i]);
    }
    handlersInstalled = true;
}

void setUpScreen() {
    cbreak(); // Ctrl-C stays a signal
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    set_escdelay(25);
    curs_set(0);
    // Presses and releases come one by one; curses still makes a click of the two when they
    // arrive together, so clicks are asked for as well.
    mousemask(BUTTON1_PRESSED | BUTTON1_RELEASED | BUTTON1_CLICKED, nullptr);
    mouseinterval(0);
    if (has_colors()) {
        start_color();
        use_default_colors();
        init_pair(1, COLOR_BLACK, COLOR_CYAN);
    }
}

} // namespace

bool startTerminal() {
    if (cursesActive != 0) {
        return true;
    }
    if (isatty(STDIN_FILENO) == 0 || isatty(STDOUT_FILENO) == 0 ||
        tcgetattr(STDIN_FILENO, &savedModes) != 0) {
        return false;
    }
    installHandlers();
    screen = newterm(nullptr, stdout, stdin);
    if (screen == nullptr) {
        return false;
    }
    set_term(screen);
    setUpScreen();
    composeRestoreBytes();
    cursesActive = 1;
    return true;
}

void stopTerminal() {
    if (cursesActive == 0) {
        return;
    }
    cursesActive = 0;
    endwin();
    delscreen(screen);
    screen = nullptr;
    tcsetattr(STDIN_FILENO, TCSANOW, &savedModes);
}

bool terminalStarted() {
    return cursesActive != 0;
}

} // namespace terminal

// The terminal's life: curses started on the controlling terminal, and the terminal put back as
// it was on every way out, signals included.
#pragma once

namespace terminal {

// Starts curses (no echo, keys decoded, mouse reports, hidden cursor). From then on SIGINT,
// SIGTERM, SIGHUP, SIGQUIT and the crash signals first restore the terminal and then take the
// course they had before. False, changing nothing, when standard input or output is no
// terminal or curses cannot start on it.
bool startTerminal();

// Ends curses and restores the terminal; does nothing when it is not started.
void stopTerminal();

// True between startTerminal and stopTerminal.
bool terminalStarted();

} // namespace terminal

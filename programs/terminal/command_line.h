// The native program's command line: --help, --version and -C DIR, as Unix programs have them.
#pragma once

namespace terminal {

// Acts on the options in argv before anything touches the terminal: prints the usage or the
// version on standard output, or enters the folder named by -C. Returns -1 when the installer
// is to start, else the exit code: 0 after --help or --version, 2 after a usage error or a
// folder that cannot be entered, each told in one line on standard error.
int applyCommandLine(int argc, char* argv[]);

} // namespace terminal

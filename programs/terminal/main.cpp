// zrk-md11-installer: the installer for Linux and macOS, its dialogs drawn in the terminal. The
// same entry as Install.exe, single-instance guard included; the exit code is its result, or 2
// for a usage error (command_line.h).
#include <clocale>
#include <cstdio>

#include "app/program_entry.h"
#include "platform/emulated/front_end.h"
#include "programs/terminal/command_line.h"
#include "programs/terminal/terminal_front_end.h"
#include "programs/terminal/terminal_session.h"

namespace {

// Puts the terminal back however main is left, an exception included.
struct TerminalScope {
    ~TerminalScope() {
        emulated::setFrontEnd(nullptr);
        terminal::stopTerminal();
    }
};

} // namespace

int main(int argc, char* argv[]) {
    if (const int code = terminal::applyCommandLine(argc, argv); code >= 0) {
        return code;
    }
    std::setlocale(LC_CTYPE, "");
    if (!terminal::startTerminal()) {
        std::fputs("zrk-md11-installer: run it in a terminal (standard input and output).\n",
                   stderr);
        return 2;
    }
    TerminalScope scope;
    terminal::TerminalFrontEnd frontEnd;
    emulated::setFrontEnd(&frontEnd);
    // The templates are data of this program, so no module handle is needed to find them.
    return runInstaller(nullptr);
}

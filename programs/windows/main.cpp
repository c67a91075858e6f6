// Entry point of Install.exe: hands the module to the installer and returns its exit code.
#include <windows.h>

// <windows.h> first: the message numbers in platform.h then come from Windows itself.
#include "app/program_entry.h"

// The command line and the initial show state are not used.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return runInstaller(reinterpret_cast<ModuleHandle>(instance));
}

// The Win32 half of `make screenshots`: takes Install.exe under Wine through the moments that
// docs/images/ shows and holds each one until tools/make-screenshots.sh has grabbed the screen.
//
//   screenshot_driver.exe START_DIR AIRCRAFT_CFG HANDSHAKE_DIR     (Windows paths)
//
// At each moment it writes HANDSHAKE_DIR\<picture>.rect ("width height x y" of the dialog on the
// screen) and waits for HANDSHAKE_DIR\<picture>.done.
#include <cstdio>
#include <fstream>

#include "tools/installer_driver.h"

namespace {

constexpr const char* kInstalled = "Panel installed successfully.";

// Activates the dialog (Xvfb has no window manager to do it), lets it paint, and waits while the
// screen is grabbed.
bool pose(HWND dialog, const std::string& handshake, const std::string& picture) {
    SetForegroundWindow(dialog);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Painting comes after the sent messages that the probe waits for: give it a moment.
    Sleep(500);
    RECT r{};
    if (!answers(dialog) || !GetWindowRect(dialog, &r)) {
        return false;
    }
    std::ofstream(handshake + "\\" + picture + ".rect.part")
        << r.right - r.left << ' ' << r.bottom - r.top << ' ' << r.left << ' ' << r.top << '\n';
    // Renamed when whole, so the script never reads half a line.
    MoveFileA((handshake + "\\" + picture + ".rect.part").c_str(),
              (handshake + "\\" + picture + ".rect").c_str());
    const std::string done = handshake + "\\" + picture + ".done";
    return waitFor([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; });
}

int fail(HANDLE, const char* what) {
    std::fprintf(stderr, "screenshot_driver: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: screenshot_driver.exe START_DIR AIRCRAFT_CFG HANDSHAKE_DIR\n", stderr);
        return 2;
    }
    const std::string handshake = argv[3];
    HANDLE installer = startInstaller(argv[1]);
    HWND dialog = waitForDialog(kMainTitle);
    if (dialog == nullptr) {
        return fail(installer, "no main dialog");
    }
    if (!choose(dialog, argv[2])) {
        return fail(installer, "the file dialog did not take the aircraft");
    }
    if (!IsWindowEnabled(GetDlgItem(dialog, IDC_INSTALL))) {
        return fail(installer, "the aircraft cannot be installed");
    }
    if (!pose(dialog, handshake, "install-exe")) {
        return fail(installer, "no grab of the identified aircraft");
    }
    if (!click(dialog, IDC_INSTALL) || !controlText(dialog, IDC_STATUS).ends_with(kInstalled)) {
        return fail(installer, "not installed");
    }
    if (!pose(dialog, handshake, "install-exe-done")) {
        return fail(installer, "no grab after Install");
    }
    click(dialog, IDC_QUIT);
    return exitCode(installer) == 1 ? 0 : fail(installer, "no clean end");
}

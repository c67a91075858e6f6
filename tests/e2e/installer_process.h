// A running copy of Install.exe as the end-to-end tests see it: its process and its windows.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Every wait of the tests is bounded by this, so a hang fails the test instead of blocking.
constexpr DWORD kWaitMs = 20000;

class InstallerProcess {
public:
    // Starts Install.exe from the build tree with this current directory (the installer's start
    // directory), or the driver's own when it is empty; started() tells whether that worked.
    explicit InstallerProcess(const std::string& currentDirectory = "");
    // Ends the process if a test left it running.
    ~InstallerProcess();
    InstallerProcess(const InstallerProcess&) = delete;
    InstallerProcess& operator=(const InstallerProcess&) = delete;

    bool started() const { return process_ != nullptr; }
    DWORD id() const { return id_; }
    // Still running after waiting `ms` for it to end.
    bool stillRunningAfter(DWORD ms) const;
    // The exit code once the process has ended, or nothing when it still runs after kWaitMs.
    std::optional<DWORD> waitForExit() const;
    // A top-level dialog (class "#32770") of this process with exactly this title, once it is
    // visible; null when none appears within kWaitMs.
    HWND waitForDialog(const char* title) const;
    // The titles of this process's visible top-level windows, quoted, for failure messages.
    std::string visibleWindows() const;

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// The dialog of process `processId` with this title, or null.
HWND findDialog(DWORD processId, const char* title);

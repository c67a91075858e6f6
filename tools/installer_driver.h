// Drives the real Install.exe under Wine as a user would: finds its windows by title and its
// controls by id, clicks, types into the file dialog, reads back. `make screenshots` poses the
// program with it, and the end-to-end tests check what it reads.
#pragma once

#include <windows.h>

#include <set>
#include <string>

#include "resources/control_ids.h"

// Every wait is bounded by this, so a hang fails the test instead of blocking it.
constexpr DWORD kWaitMs = 20000;
constexpr const char* kMainTitle = "ZRK MD11 Panel installer - version 1.16";

inline bool waitFor(auto done) {
    for (DWORD waited = 0; waited < kWaitMs && !done(); waited += 50) {
        Sleep(50);
    }
    return done();
}

// Starts Install.exe in its start directory; Wine's drive Z: shows the Unix path the build names.
inline HANDLE startInstaller(const std::string& directory) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    CreateProcessA((std::string("Z:") + ZRK_INSTALL_EXE).c_str(), nullptr, nullptr, nullptr, FALSE,
                   0, nullptr, directory.c_str(), &startup, &info);
    CloseHandle(info.hThread);
    return info.hProcess;
}

// The exit code once the process has ended; STILL_ACTIVE while it still runs after kWaitMs.
inline DWORD exitCode(HANDLE process) {
    DWORD code = STILL_ACTIVE;
    WaitForSingleObject(process, kWaitMs);
    GetExitCodeProcess(process, &code);
    return code;
}

inline HWND waitForDialog(const char* title) {
    HWND found = nullptr;
    waitFor([&] { return (found = FindWindowA("#32770", title)) && IsWindowVisible(found); });
    return found;
}

// GetWindowText does not wait on the installer's thread: it reads the text that Windows keeps.
inline std::string controlText(HWND dialog, int id) {
    char text[1024] = "";
    GetWindowTextA(GetDlgItem(dialog, id), text, sizeof text);
    return text;
}

// The ids of the window's controls that are checked, or with `enabled`, enabled.
inline std::set<int> controls(HWND window, bool enabled = false) {
    std::set<int> ids;
    for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        if (enabled ? IsWindowEnabled(c) : SendMessageA(c, BM_GETCHECK, 0, 0) != 0) {
            ids.insert(GetDlgCtrlID(c));
        }
    }
    return ids;
}

// True once the window's thread has handled the message; WM_NULL probes that all sent before is.
inline bool answers(HWND window, UINT message = WM_NULL, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kWaitMs, &ignored);
}

// BM_CLICK without waiting, then a probe: true once the click has been handled or sits in a
// modal loop it opened (sent messages are handled in order), or has ended the dialog.
inline bool click(HWND dialog, int id) {
    return SendNotifyMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0) &&
           (answers(dialog) || !IsWindow(dialog));
}

// An ended modal window is hidden at once but destroyed only when its loop stops, and until then
// its thread answers probes from inside that loop: true once it is gone and its owner answers.
inline bool closed(HWND window, HWND owner) {
    return waitFor([&] { return !IsWindow(window); }) && (owner == nullptr || answers(owner));
}

// Activates the dialog (Xvfb has no window manager) and posts it Escape then Tab; true once the
// focus is on the button `next`, so the Escape was handled before.
inline bool escapeThenTab(HWND dialog, int next) {
    SetForegroundWindow(dialog);
    PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageA(dialog, WM_KEYDOWN, VK_TAB, 1);
    return waitFor(
        [&] { return SendDlgItemMessageA(dialog, next, BM_GETSTATE, 0, 0) & BST_FOCUS; });
}

// "Choose MD-11 aircraft", the whole path typed into the file dialog's name box (Wine's is cmb13)
// and Open, or Cancel for no path; true once the file dialog, modal over the main one, is gone.
inline bool choose(HWND dialog, const std::string& path) {
    HWND files = click(dialog, IDC_CHOOSE_AIRCRAFT)
                     ? waitForDialog("Please, search your FS2004 MD-11 aircraft")
                     : nullptr;
    LPARAM typed = reinterpret_cast<LPARAM>(path.c_str());
    return files != nullptr && !IsWindowEnabled(dialog) &&
           (path.empty() || answers(GetDlgItem(files, 0x47C), WM_SETTEXT, 0, typed)) &&
           click(files, path.empty() ? IDCANCEL : IDOK) && closed(files, dialog);
}

// The text of the error box modal over `owner` (null: none) once OK closed it, or "" for none.
inline std::string errorBoxText(HWND owner) {
    HWND box = waitForDialog("ERROR from ZRK MD11 Panel installer");
    std::string text = controlText(box, 0xFFFF); // a message box's text is the static 0xFFFF
    bool modal = box && GetWindow(box, GW_OWNER) == owner;
    return modal && click(box, IDOK) && closed(box, owner) ? text : "";
}

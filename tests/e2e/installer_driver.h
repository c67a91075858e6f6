// Drives the real Install.exe under Wine as a user would: starts it in a laid-out tree, finds its
// windows by title and its controls by id, clicks, types into the file dialog, reads back.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "resources/control_ids.h"
#include "tests/support/test_files.h"

// Every wait is bounded by this, so a hang fails the test instead of blocking it.
constexpr DWORD kWaitMs = 20000;
constexpr const char* kMainTitle = "ZRK MD11 Panel installer - version 1.16";
constexpr const char* kErrorCaption = "ERROR from ZRK MD11 Panel installer";
constexpr const char* kFileDialogTitle = "Please, search your FS2004 MD-11 aircraft";
// Wine's file dialog has no edt1: the name box is cmb13, a ComboBoxEx.
constexpr int kFileNameBox = 0x47C;
constexpr const char* kPanelCfg = "[Window Titles]\r\nWindow00=Main Panel\r\n";
constexpr const char* kSoundCfg = "[Sound]\r\nengine=stock\r\n";

// Polls until done() holds; false once kWaitMs have gone by.
inline bool waitFor(auto done) {
    for (DWORD waited = 0; !done(); waited += 50) {
        if (waited >= kWaitMs) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

// A running copy of Install.exe, ended by the destructor if a test left it running.
class InstallerProcess {
public:
    // Starts it with this current directory, the installer's start directory.
    explicit InstallerProcess(const std::string& directory) {
        // The build names a Unix path; under Wine, kernel32 turns it into a DOS path.
        using ToDos = WCHAR*(CDECL*)(const char*);
        auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
        WCHAR* dos = toDos(ZRK_INSTALL_EXE);
        std::wstring path = dos, commandLine = L"\"" + path + L"\"";
        HeapFree(GetProcessHeap(), 0, dos);
        std::wstring folder(directory.begin(), directory.end()); // the test paths are ASCII
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           folder.c_str(), &startup, &info)) {
            CloseHandle(info.hThread);
            process_ = info.hProcess;
            id_ = info.dwProcessId;
        }
    }
    ~InstallerProcess() {
        if (process_ != nullptr && !exitCode(0)) {
            TerminateProcess(process_, 99);
            WaitForSingleObject(process_, kWaitMs);
        }
        CloseHandle(process_);
    }
    InstallerProcess(const InstallerProcess&) = delete;
    InstallerProcess& operator=(const InstallerProcess&) = delete;

    // The exit code, or nothing while it still runs after `ms`.
    std::optional<DWORD> exitCode(DWORD ms = kWaitMs) const {
        DWORD code = 0;
        bool ended = WaitForSingleObject(process_, ms) == WAIT_OBJECT_0 &&
                     GetExitCodeProcess(process_, &code);
        return ended ? std::optional<DWORD>(code) : std::nullopt;
    }
    // Its visible top-level dialog of this exact title, or null after kWaitMs.
    HWND waitForDialog(const char* title) const {
        HWND found = nullptr;
        waitFor([&] {
            while ((found = FindWindowExA(nullptr, found, "#32770", title)) != nullptr) {
                if (processOf(found) == id_ && IsWindowVisible(found)) {
                    return true;
                }
            }
            return false;
        });
        return found;
    }
    // The titles of its visible windows, for failure messages.
    std::string shown() const {
        std::string titles;
        for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
            char title[256] = "";
            if (processOf(w) == id_ && IsWindowVisible(w)) {
                GetWindowTextA(w, title, sizeof title);
                titles += std::string(" \"") + title + '"';
            }
        }
        return " shown:" + (titles.empty() ? " none" : titles);
    }

private:
    static DWORD processOf(HWND window) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        return process;
    }
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// GetWindowText does not wait on the installer's thread: it reads the text that Windows keeps.
inline std::string controlText(HWND dialog, int id) {
    char text[1024] = "";
    GetWindowTextA(GetDlgItem(dialog, id), text, sizeof text);
    return text;
}

// True once the window's thread has handled the message, sent with a bounded wait; with WM_NULL
// a probe that it has handled everything sent to it before.
inline bool answers(HWND window, UINT message = WM_NULL, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kWaitMs, &ignored);
}

// BM_CLICK without waiting, then a probe: true once the click has been handled or sits in a
// modal loop it opened (sent messages are handled in order), or has ended the dialog.
inline bool click(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    return button != nullptr && SendNotifyMessageA(button, BM_CLICK, 0, 0) &&
           (answers(dialog) || !IsWindow(dialog));
}

// An ended modal dialog is hidden at once but destroyed only when its loop stops, and until then
// its thread answers probes from inside that loop: wait for this before probing the owner.
inline bool waitUntilDestroyed(HWND window) {
    return waitFor([&] { return !IsWindow(window); });
}

// Activates the dialog (Xvfb has no window manager) and posts Escape then Tab to its focused
// control; true once the focus has moved to `next`, so the Escape has been handled before.
inline bool escapeThenTab(HWND dialog, HWND next) {
    auto focused = [dialog] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) ? info.hwndFocus
                                                                                  : nullptr;
    };
    SetForegroundWindow(dialog);
    HWND focus = answers(dialog) ? focused() : nullptr;
    for (WPARAM key : {VK_ESCAPE, VK_TAB}) {
        PostMessageA(focus, WM_KEYDOWN, key, 1);
        PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
    }
    return focus != nullptr && waitFor([&] { return focused() == next; });
}

// Types the whole path into the file dialog's name box and presses Open, or Cancel when `path` is
// empty; true once the dialog is gone and its owner answers.
inline bool answerFileDialog(HWND files, HWND owner, const std::string& path) {
    LPARAM typed = reinterpret_cast<LPARAM>(path.c_str());
    return (path.empty() || answers(GetDlgItem(files, kFileNameBox), WM_SETTEXT, 0, typed)) &&
           click(files, path.empty() ? IDCANCEL : IDOK) && waitUntilDestroyed(files) &&
           answers(owner);
}

// The ids among `ids` whose controls are checked (or, with `enabled`, enabled).
inline std::set<int> statesOf(HWND dialog, std::initializer_list<int> ids, bool enabled = false) {
    std::set<int> result;
    for (int id : ids) {
        if (enabled ? IsWindowEnabled(GetDlgItem(dialog, id))
                    : (SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) & 3) != 0) {
            result.insert(id);
        }
    }
    return result;
}

// The process's error box with this text, OK its only button, modal over `owner` (null: none):
// presses OK and waits until the box is gone and the owner answers.
inline ::testing::AssertionResult closeErrorBox(const InstallerProcess& process, HWND owner,
                                                const std::string& text) {
    HWND box = process.waitForDialog(kErrorCaption);
    if (box == nullptr) {
        return ::testing::AssertionFailure() << "no error box;" << process.shown();
    }
    int buttons = 0; // the box's text is the static 0xFFFF; unused buttons are hidden
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[16] = "";
        buttons +=
            GetClassNameA(child, name, 16) && !lstrcmpiA(name, "Button") && IsWindowVisible(child);
    }
    if (controlText(box, 0xFFFF) != text || GetWindow(box, GW_OWNER) != owner ||
        (owner != nullptr && IsWindowEnabled(owner)) || buttons != 1) {
        return ::testing::AssertionFailure() << "not an OK box modal over its owner, or it says \""
                                             << controlText(box, 0xFFFF) << '"';
    }
    return ::testing::AssertionResult(click(box, IDOK) && waitUntilDestroyed(box) &&
                                      (owner == nullptr || answers(owner)))
           << "the box did not close";
}

// What identification looks at: the flight-dynamics file named by sim=, the model file's name
// and size (family, type, engines, version); panel= must stay empty.
struct Aircraft {
    const char* folder;
    const char* sim;
    std::uintmax_t airSize;
    const char* model;
    std::uintmax_t modelSize;
    const char* panel = "";
};

// What the stand-in of a resource file holds: its name, so a copy shows where it came from.
inline std::string resourceText(const std::string& name) {
    return "Test stand-in for " + name + "\r\n";
}

// A temporary tree: the start folder Installer\ with its resource folders, optionally the sibling
// "ZRK MD-11 sound", and aircraft under Aircraft\ (not beside Installer\, so only the start
// folder as current directory finds the sound folder).
class InstallerTest : public ::testing::Test {
protected:
    void start(bool withSoundFolder) {
        auto put = [this](const std::string& name) {
            root.put("Installer\\" + name, resourceText(name));
        };
        for (const char* name :
             {"tuning_res\\MD-11_zrk.air", "tuning_res\\sound.cfg", "trimdesk_res\\Trimdesk.exe"}) {
            put(name);
        }
        for (std::string cabin : {"PAX-3C", "PAX-2C", "PAX-1C", "CBI-2C", "CBI-1C", "CARGO"}) {
            put("trimdesk_res\\Trimdesk-" + cabin + ".ini");
            put("trimdesk_res\\TD-MD11-" + cabin + ".ini");
            put("trimdesk_res\\TD-MD11-" + cabin + ".bmp");
        }
        if (withSoundFolder) {
            root.put("ZRK MD-11 sound\\readme.txt", "Test stand-in for the sound package\r\n");
        }
        installer.emplace(root.core("Installer"));
        dialog = installer->waitForDialog(kMainTitle);
        ASSERT_NE(dialog, nullptr) << "no main dialog;" << installer->shown();
    }

    std::string folderOf(const Aircraft& aircraft) const {
        return root.core("Aircraft\\" + std::string(aircraft.folder) + "\\");
    }
    // Lays out Aircraft\<folder>\ (CR LF line ends, sparse sized files); returns its
    // aircraft.cfg's path.
    std::string addAircraft(const Aircraft& a) const {
        std::string folder = folderOf(a), sim = a.sim;
        writeNativeFile(folder + "aircraft.cfg",
                        "[fltsim.0]\r\ntitle=" + std::string(a.folder) + "\r\nsim=" + sim +
                            "\r\nmodel=\r\npanel=" + a.panel +
                            "\r\nsound=\r\ntexture=\r\nui_type=MD-11\r\n\r\n[General]\r\n"
                            "atc_type=MCDONNELL DOUGLAS\r\natc_model=MD11\r\n\r\n"
                            "[WEIGHT_AND_BALANCE]\r\nempty_weight=123456\r\n");
        writeNativeFile(folder + "Panel\\Panel.cfg", kPanelCfg);
        writeNativeFile(folder + "Sound\\sound.cfg", kSoundCfg);
        writeNativeFile(folder + sim + ".air", "");
        std::filesystem::resize_file(folder + sim + ".air", a.airSize);
        writeNativeFile(folder + "model\\" + a.model, "");
        std::filesystem::resize_file(folder + "model\\" + a.model, a.modelSize);
        return folder + "aircraft.cfg";
    }

    // "Choose MD-11 aircraft" with the whole path typed into the file dialog's name box, or the
    // dialog cancelled when `path` is empty; checks the dialog and the reset behind it.
    ::testing::AssertionResult choose(const std::string& path) const {
        HWND files = click(dialog, IDC_CHOOSE_AIRCRAFT) ? installer->waitForDialog(kFileDialogTitle)
                                                        : nullptr;
        if (files == nullptr) {
            return ::testing::AssertionFailure() << "no file dialog;" << installer->shown();
        }
        char proposed[MAX_PATH] = "";
        answers(GetDlgItem(files, kFileNameBox), WM_GETTEXT, MAX_PATH,
                reinterpret_cast<LPARAM>(proposed));
        if (std::string(proposed) != "aircraft.cfg" || GetWindow(files, GW_OWNER) != dialog ||
            IsWindowEnabled(dialog) || !status().empty() || options() != std::set<int>{}) {
            return ::testing::AssertionFailure() << "the file dialog proposes \"" << proposed
                                                 << "\" or is not modal over a reset dialog";
        }
        return ::testing::AssertionResult(answerFileDialog(files, dialog, path))
               << "the file dialog did not take " << path;
    }

    std::string status() const { return controlText(dialog, IDC_STATUS); }
    // The enabled ones among the controls that analyses and commands enable.
    std::set<int> options() const {
        return statesOf(dialog,
                        {IDC_INSTALL, IDC_UNINSTALL, IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS,
                         IDC_TRIMDESK, IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS,
                         IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS, IDC_CARGO},
                        true);
    }
    std::set<int> layouts() const { // the checked cabin layouts
        return statesOf(dialog, {IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS,
                                 IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS, IDC_CARGO});
    }

    TemporaryFolder root;
    std::optional<InstallerProcess> installer; // ends before the folder goes
    HWND dialog = nullptr;
};

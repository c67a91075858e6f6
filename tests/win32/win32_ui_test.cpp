// The Win32 user-interface half on real dialogs (under Wine in the test build): the modal loop,
// controls by id, commands, nested dialogs and the file-open dialog.
#include <windows.h>

// <windows.h> first: the message numbers in platform.h then come from Windows itself.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <string>
#include <thread>

#include "resources/control_ids.h"
#include "tests/support/test_paths.h"

namespace {

constexpr DWORD kWaitMs = 20000;

ModuleHandle thisModule() {
    return reinterpret_cast<ModuleHandle>(GetModuleHandleA(nullptr));
}

HWND hwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

// What the dialog procedure does at WM_INITDIALOG, and what it saw; one test at a time.
struct Visit {
    void (*onInit)(WindowHandle dialog, Visit& visit);
    std::intptr_t initParam = 0;
    int lastCommand = 0;
    std::intptr_t lastCommandLParam = -1;
    bool ownerDisabledInside = false;
    DialogResult nestedResult = 0;
};
Visit* currentVisit = nullptr;

DialogResult PLATFORM_CALLBACK visitProc(WindowHandle dialog, unsigned message,
                                         std::uintptr_t wParam, std::intptr_t lParam) {
    switch (message) {
    case WM_INITDIALOG:
        currentVisit->initParam = lParam;
        currentVisit->onInit(dialog, *currentVisit);
        return 1;
    case WM_COMMAND:
        currentVisit->lastCommand = static_cast<int>(wParam);
        currentVisit->lastCommandLParam = lParam;
        return 1;
    default:
        return 0;
    }
}

DialogResult visit(Visit& v, const char* templateName = "MainDialog", std::intptr_t param = 0) {
    currentVisit = &v;
    DialogResult result = runModalDialog(thisModule(), templateName, nullptr, visitProc, param);
    currentVisit = nullptr;
    return result;
}

TEST(Win32Dialogs, ReturnTheResultOfEndDialogAndPassTheParameter) {
    Visit v{[](WindowHandle dialog, Visit&) { endDialog(dialog, 42); }};
    EXPECT_EQ(visit(v, "MainDialog", 1234), 42);
    EXPECT_EQ(v.initParam, 1234);
    EXPECT_EQ(runModalDialog(thisModule(), "NoSuchDialog", nullptr, visitProc, 0), -1);
}

TEST(Win32Dialogs, AddressControlsById) {
    struct Seen {
        bool sameModule;
        std::string title, text, truncated, missing;
        bool enabledAfter, disabledAfter, shownAfter, hiddenAfter;
        unsigned checked, otherInGroup;
    };
    static Seen seen;
    Visit v{[](WindowHandle dialog, Visit&) {
        HWND d = hwnd(dialog);
        char buffer[1024];
        seen.sameModule = windowModule(dialog) == thisModule();
        setWindowTitle(dialog, "A title");
        GetWindowTextA(d, buffer, sizeof buffer);
        seen.title = buffer;
        setControlText(dialog, IDC_STATUS, "Pratt && Whitney\nsecond line");
        getControlText(dialog, IDC_STATUS, buffer, sizeof buffer);
        seen.text = buffer;
        getControlText(dialog, IDC_STATUS, buffer, 6);
        seen.truncated = buffer;
        getControlText(dialog, 4242, buffer, sizeof buffer);
        seen.missing = buffer;
        enableControl(dialog, IDC_INSTALL, true);
        enableControl(dialog, IDC_CHOOSE_AIRCRAFT, false);
        seen.enabledAfter = IsWindowEnabled(GetDlgItem(d, IDC_INSTALL)) != FALSE;
        seen.disabledAfter = IsWindowEnabled(GetDlgItem(d, IDC_CHOOSE_AIRCRAFT)) != FALSE;
        showControl(dialog, IDC_CHOOSE_SAME, SW_SHOW);
        showControl(dialog, IDC_QUIT, SW_HIDE);
        seen.shownAfter =
            (GetWindowLongA(GetDlgItem(d, IDC_CHOOSE_SAME), GWL_STYLE) & WS_VISIBLE) != 0;
        seen.hiddenAfter = (GetWindowLongA(GetDlgItem(d, IDC_QUIT), GWL_STYLE) & WS_VISIBLE) != 0;
        setCheckState(dialog, IDC_PAX_2_CLASSES, BST_CHECKED);
        seen.checked = getCheckState(dialog, IDC_PAX_2_CLASSES);
        seen.otherInGroup = getCheckState(dialog, IDC_PAX_3_CLASSES);
        endDialog(dialog, 0);
    }};
    visit(v);
    EXPECT_TRUE(seen.sameModule);
    EXPECT_EQ(seen.title, "A title");
    EXPECT_EQ(seen.text, "Pratt && Whitney\nsecond line");
    EXPECT_EQ(seen.truncated, "Pratt");
    EXPECT_EQ(seen.missing, "");
    EXPECT_TRUE(seen.enabledAfter);
    EXPECT_FALSE(seen.disabledAfter);
    EXPECT_TRUE(seen.shownAfter);
    EXPECT_FALSE(seen.hiddenAfter);
    EXPECT_EQ(seen.checked, unsigned{BST_CHECKED});
    EXPECT_EQ(seen.otherInGroup, unsigned{BST_UNCHECKED});
}

TEST(Win32Dialogs, SendCommandRunsTheCommandBeforeReturning) {
    static int seenOnReturn;
    Visit v{[](WindowHandle dialog, Visit& self) {
        sendCommand(dialog, IDC_CHOOSE_AIRCRAFT);
        seenOnReturn = self.lastCommand;
        endDialog(dialog, 0);
    }};
    visit(v);
    EXPECT_EQ(seenOnReturn, IDC_CHOOSE_AIRCRAFT);
    EXPECT_EQ(v.lastCommandLParam, 0);
}

TEST(Win32Dialogs, NestInsideTheRunningDialogWhichTheyDisable) {
    Visit v{[](WindowHandle dialog, Visit& self) {
        Visit inner{[](WindowHandle nested, Visit& me) {
            HWND owner = GetWindow(hwnd(nested), GW_OWNER);
            me.ownerDisabledInside = owner != nullptr && !IsWindowEnabled(owner);
            endDialog(nested, 5);
        }};
        currentVisit = &inner;
        DialogResult result =
            runModalDialog(windowModule(dialog), "ManSetDialog", dialog, visitProc, 0);
        currentVisit = &self;
        self.ownerDisabledInside = inner.ownerDisabledInside;
        self.nestedResult = result;
        endDialog(dialog, 0);
    }};
    visit(v);
    EXPECT_EQ(v.nestedResult, 5);
    EXPECT_TRUE(v.ownerDisabledInside);
}

// Answers the file-open dialog titled `title` from another thread: types `path` into its name
// box and presses Open, or presses Cancel when path is empty.
class FileDialogAnswer {
public:
    FileDialogAnswer(const char* title, std::string path)
        : worker_([this, title, path = std::move(path)] { answer(title, path); }) {}
    ~FileDialogAnswer() { worker_.join(); }
    bool found() const { return found_; }

private:
    void answer(const char* title, const std::string& path) {
        for (DWORD waited = 0; waited < kWaitMs; waited += 50) {
            HWND dialog = FindWindowA("#32770", title);
            if (dialog != nullptr && IsWindowVisible(dialog)) {
                found_ = true;
                if (!path.empty()) {
                    // The name box: an edit (edt1) or a combo box with one (cmb13).
                    HWND name = GetDlgItem(dialog, 0x480);
                    SendMessageA(name != nullptr ? name : GetDlgItem(dialog, 0x47C), WM_SETTEXT, 0,
                                 reinterpret_cast<LPARAM>(path.c_str()));
                }
                SendMessageA(GetDlgItem(dialog, path.empty() ? IDCANCEL : IDOK), BM_CLICK, 0, 0);
                return;
            }
            Sleep(50);
        }
    }

    std::atomic<bool> found_{false};
    std::thread worker_;
};

FileOpenRequest openRequest(char* buffer, const char* title) {
    FileOpenRequest request{};
    request.structSize = 76; // what the core sets: the size of the 32-bit record
    request.fileBuffer = buffer;
    request.fileBufferSize = kPathCapacity;
    request.title = title;
    request.flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    return request;
}

TEST(Win32FileOpen, WritesTheChosenFullPath) {
    TemporaryFolder folder;
    std::string path = folder.corePath() + "aircraft.cfg";
    std::ofstream(path) << "[fltsim.0]\n";
    char buffer[kPathCapacity] = "aircraft.cfg";
    FileOpenRequest request = openRequest(buffer, "Pick the test file");
    bool chosen;
    {
        FileDialogAnswer answer("Pick the test file", path);
        chosen = requestOpenFile(&request);
        // A refused record size shows no dialog at all and looks like a cancel.
        EXPECT_TRUE(answer.found()) << "no file-open dialog appeared";
    }
    EXPECT_TRUE(chosen);
    EXPECT_STRCASEEQ(buffer, path.c_str());
}

TEST(Win32FileOpen, ReportsACancel) {
    char buffer[kPathCapacity] = "aircraft.cfg";
    FileOpenRequest request = openRequest(buffer, "Cancel this one");
    bool chosen;
    {
        FileDialogAnswer answer("Cancel this one", "");
        chosen = requestOpenFile(&request);
        EXPECT_TRUE(answer.found()) << "no file-open dialog appeared";
    }
    EXPECT_FALSE(chosen);
}

} // namespace

// Window messages to another process's dialog: reading controls, clicking, probing.
#include "tests/e2e/window_probe.h"

#include "tests/e2e/installer_process.h"

namespace {

constexpr int kFileNameBox = 0x47C; // cmb13
constexpr int kManualSettingsOk = 1018;

} // namespace

std::string controlText(HWND dialog, int id) {
    char text[1024] = "";
    HWND control = GetDlgItem(dialog, id);
    if (control != nullptr) {
        GetWindowTextA(control, text, sizeof text);
    }
    return text;
}

bool isChecked(HWND dialog, int id) {
    return (SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) & 3) != 0;
}

HWND focusedWindow(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

bool waitForFocus(HWND dialog, HWND control) {
    for (DWORD waited = 0; focusedWindow(dialog) != control; waited += 50) {
        if (waited >= kWaitMs) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

bool pressKey(HWND window, WPARAM key) {
    return PostMessageA(window, WM_KEYDOWN, key, 1) &&
           PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

bool answers(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &ignored) != 0;
}

bool click(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    // Sent messages are handled in order, so once the probe is answered the click has been
    // handled (or has opened a modal loop, which answers too). A click that ends the dialog
    // leaves no window to answer.
    return button != nullptr && SendNotifyMessageA(button, BM_CLICK, 0, 0) &&
           (answers(dialog) || !IsWindow(dialog));
}

bool waitUntilDestroyed(HWND window) {
    for (DWORD waited = 0; IsWindow(window); waited += 50) {
        if (waited >= kWaitMs) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

bool isMessageBox(HWND window) {
    HWND text = GetDlgItem(window, kMessageBoxText);
    char className[16] = "";
    return text != nullptr && GetClassNameA(text, className, sizeof className) != 0 &&
           lstrcmpiA(className, "Static") == 0 && GetDlgItem(window, IDOK) != nullptr &&
           GetDlgItem(window, kManualSettingsOk) == nullptr;
}

int visibleButtons(HWND window) {
    int count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = "";
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Button") == 0 && IsWindowVisible(child)) {
            ++count;
        }
    }
    return count;
}

std::string fileDialogName(HWND fileDialog) {
    char text[1024] = "";
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(GetDlgItem(fileDialog, kFileNameBox), WM_GETTEXT, sizeof text,
                        reinterpret_cast<LPARAM>(text), SMTO_NORMAL, kWaitMs, &ignored);
    return text;
}

bool openInFileDialog(HWND fileDialog, const std::string& path) {
    HWND name = GetDlgItem(fileDialog, kFileNameBox);
    DWORD_PTR ignored = 0;
    return name != nullptr &&
           SendMessageTimeoutA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()),
                               SMTO_NORMAL, kWaitMs, &ignored) != 0 &&
           fileDialogName(fileDialog) == path && click(fileDialog, IDOK) &&
           waitUntilDestroyed(fileDialog);
}

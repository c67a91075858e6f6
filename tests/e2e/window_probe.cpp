// Window messages to another process's dialog: reading controls, clicking, probing.
#include "tests/e2e/window_probe.h"

#include "tests/e2e/installer_process.h"

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

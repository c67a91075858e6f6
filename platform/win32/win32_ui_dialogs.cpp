// The user-interface half on Windows, dialogs and controls: thin calls into user32.
#include <windows.h>

// <windows.h> first: the message numbers in platform.h then come from Windows itself.
#include "platform/platform.h"

namespace {

HWND toHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

HWND controlOf(WindowHandle dialog, int id) {
    return GetDlgItem(toHwnd(dialog), id);
}

} // namespace

DialogResult runModalDialog(ModuleHandle module, const char* templateName, WindowHandle owner,
                            DialogProc proc, std::intptr_t param) {
    // DialogProc has DLGPROC's shape and calling convention, so the procedure is handed over
    // as it is.
    return DialogBoxParamA(reinterpret_cast<HINSTANCE>(module), templateName, toHwnd(owner),
                           reinterpret_cast<DLGPROC>(proc), param);
}

void endDialog(WindowHandle dialog, DialogResult result) {
    EndDialog(toHwnd(dialog), result);
}

// Windows hands back the dialog's message result (DWLP_MSGRESULT) rather than the procedure's
// return value; the core does not look at it.
DialogResult sendCommand(WindowHandle dialog, int id) {
    return SendMessageA(toHwnd(dialog), WM_COMMAND, static_cast<WPARAM>(id), 0);
}

ModuleHandle windowModule(WindowHandle window) {
    return reinterpret_cast<ModuleHandle>(GetWindowLongPtrA(toHwnd(window), GWLP_HINSTANCE));
}

void setWindowTitle(WindowHandle window, const char* title) {
    SetWindowTextA(toHwnd(window), title);
}

void setControlText(WindowHandle dialog, int id, const char* text) {
    SetDlgItemTextA(toHwnd(dialog), id, text);
}

void getControlText(WindowHandle dialog, int id, char* buffer, std::size_t capacity) {
    if (capacity == 0) {
        return;
    }
    buffer[0] = '\0';
    GetDlgItemTextA(toHwnd(dialog), id, buffer, static_cast<int>(capacity));
}

void enableControl(WindowHandle dialog, int id, bool enabled) {
    EnableWindow(controlOf(dialog, id), enabled ? TRUE : FALSE);
}

void showControl(WindowHandle dialog, int id, int showCommand) {
    ShowWindow(controlOf(dialog, id), showCommand);
}

unsigned getCheckState(WindowHandle dialog, int id) {
    return static_cast<unsigned>(SendDlgItemMessageA(toHwnd(dialog), id, BM_GETCHECK, 0, 0));
}

void setCheckState(WindowHandle dialog, int id, unsigned state) {
    SendDlgItemMessageA(toHwnd(dialog), id, BM_SETCHECK, state, 0);
}

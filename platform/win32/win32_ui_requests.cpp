// The user-interface half on Windows, the modal requests: message boxes, beeps and the
// file-open dialog.
#include <windows.h>

#include <commdlg.h>

// <windows.h> first: the message numbers in platform.h then come from Windows itself.
#include "platform/platform.h"

int showMessageBox(WindowHandle owner, const char* text, const char* caption, unsigned style) {
    return MessageBoxA(reinterpret_cast<HWND>(owner), text, caption, style);
}

void beep(unsigned type) {
    MessageBeep(type);
}

bool requestOpenFile(FileOpenRequest* request) {
    // The record's own size, never the 76 that the request carries: a 64-bit comdlg32 refuses a
    // 32-bit size with CDERR_STRUCTSIZE and shows nothing, which looks just like a cancel.
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = reinterpret_cast<HWND>(request->owner);
    dialog.lpstrFile = request->fileBuffer;
    dialog.nMaxFile = request->fileBufferSize;
    dialog.lpstrTitle = request->title;
    dialog.Flags = request->flags;
    return GetOpenFileNameA(&dialog) != FALSE;
}

// The one seam between the installer core and the operating system: dialogs and controls by id,
// message boxes, beeps, the file-open request, the single-instance guard and the files.
//
// The core includes only this header (never <windows.h>). Two halves stand behind it:
//   - the user-interface half: platform/win32/ (real dialogs) or platform/emulated/ (the
//     dialog manager driven by the terminal or the scripted front end);
//   - the system half: platform/win32/ or platform/posix/ (files, current directory, guard).
// Windows back-end files include <windows.h> before this header, so the Win32 names below then
// come from Windows itself; everywhere else they are defined here with the same values.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#define PLATFORM_CALLBACK __stdcall
#else
#define PLATFORM_CALLBACK
#endif

// Paths and text fields hold at most 259 characters and the terminator, as on Windows.
constexpr std::size_t kPathCapacity = 260;

struct PlatformWindowTag;
using WindowHandle = PlatformWindowTag*; // an HWND on Windows
struct PlatformModuleTag;
using ModuleHandle = PlatformModuleTag*; // an HINSTANCE on Windows

using DialogResult = std::intptr_t;
// Same shape and calling convention as a Win32 DLGPROC: returns 1 when the message was handled.
using DialogProc = DialogResult(PLATFORM_CALLBACK*)(WindowHandle dialog, unsigned message,
                                                    std::uintptr_t wParam, std::intptr_t lParam);

// Message and flag numbers the core uses, with their Win32 values.
#ifndef WM_NULL
#define WM_NULL 0x0000
#endif
#ifndef WM_CLOSE
#define WM_CLOSE 0x0010
#endif
#ifndef WM_INITDIALOG
#define WM_INITDIALOG 0x0110
#endif
#ifndef WM_COMMAND
#define WM_COMMAND 0x0111
#endif
#ifndef BM_GETCHECK
#define BM_GETCHECK 0x00F0
#endif
#ifndef BM_SETCHECK
#define BM_SETCHECK 0x00F1
#endif
#ifndef BM_CLICK
#define BM_CLICK 0x00F5
#endif
#ifndef BST_UNCHECKED
#define BST_UNCHECKED 0x0000
#endif
#ifndef BST_CHECKED
#define BST_CHECKED 0x0001
#endif
#ifndef BST_INDETERMINATE
#define BST_INDETERMINATE 0x0002
#endif
#ifndef MB_OK
#define MB_OK 0x00000000
#endif
#ifndef MB_ICONEXCLAMATION
#define MB_ICONEXCLAMATION 0x00000030
#endif
#ifndef SW_HIDE
#define SW_HIDE 0
#endif
#ifndef SW_SHOW
#define SW_SHOW 5
#endif
#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif
#ifndef OFN_HIDEREADONLY
#define OFN_HIDEREADONLY 0x00000004
#endif
#ifndef OFN_PATHMUSTEXIST
#define OFN_PATHMUSTEXIST 0x00000800
#endif
#ifndef OFN_FILEMUSTEXIST
#define OFN_FILEMUSTEXIST 0x00001000
#endif

// ---------------------------------------------------------------------------------------------
// User-interface half
// ---------------------------------------------------------------------------------------------

// The file-open request: the fields of OPENFILENAMEA that the installer sets. The Win32 back end
// copies them into a real OPENFILENAMEA of the platform's own size; everything else stays zero
// (no filter, no initial directory, so the dialog starts in the current directory).
struct FileOpenRequest {
    std::uint32_t structSize; // 76, the size of the Windows record this mirrors
    WindowHandle owner;
    char* fileBuffer;             // in: proposed name; out: the chosen full path
    std::uint32_t fileBufferSize; // capacity of fileBuffer in characters
    const char* title;
    std::uint32_t flags; // OFN_* flags
};

// Runs a modal dialog built from the named template of `module`, calls `proc` with
// WM_INITDIALOG (lParam = param) and then with the commands user input produces. Returns only
// after the procedure called endDialog, with the result given there; -1 when the template is
// unknown.
DialogResult runModalDialog(ModuleHandle module, const char* templateName, WindowHandle owner,
                            DialogProc proc, std::intptr_t param);

// Marks `dialog` to end with `result` once the procedure returns to the modal loop.
void endDialog(WindowHandle dialog, DialogResult result);

// Sends WM_COMMAND with wParam = id and lParam = 0 to the dialog's own procedure and returns
// once the command has run to its end. The result is the platform's answer to the message (on
// Windows the dialog's message result, not the procedure's return value); the core ignores it.
DialogResult sendCommand(WindowHandle dialog, int id);

// The module that owns the dialog's templates (GetWindowLong with GWL_HINSTANCE).
ModuleHandle windowModule(WindowHandle window);

void setWindowTitle(WindowHandle window, const char* title);
void setControlText(WindowHandle dialog, int id, const char* text);
// Copies at most capacity - 1 characters of the control's text and terminates it.
void getControlText(WindowHandle dialog, int id, char* buffer, std::size_t capacity);
void enableControl(WindowHandle dialog, int id, bool enabled);
// showCommand is SW_SHOW or SW_HIDE.
void showControl(WindowHandle dialog, int id, int showCommand);
// BM_GETCHECK / BM_SETCHECK: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
unsigned getCheckState(WindowHandle dialog, int id);
void setCheckState(WindowHandle dialog, int id, unsigned state);

// A modal message box; style is MB_OK | MB_ICONEXCLAMATION (0x30) everywhere in the installer.
// owner may be null. Returns the id of the button that closed it (IDOK).
int showMessageBox(WindowHandle owner, const char* text, const char* caption, unsigned style);
// MessageBeep: type 0 (MB_OK) or MB_ICONEXCLAMATION.
void beep(unsigned type);

// Asks the user for an existing file. Returns false when cancelled or failed; on success the
// chosen full path (Windows form) is in request->fileBuffer.
bool requestOpenFile(FileOpenRequest* request);

// ---------------------------------------------------------------------------------------------
// System half
// ---------------------------------------------------------------------------------------------

enum class InstanceGuard {
    owned,          // this process holds the guard until it ends
    alreadyRunning, // another process holds a guard of that name
    unavailable,    // the guard could not be created; the caller runs without it
};

// The named single-instance guard (a named mutex on Windows, a lock file on POSIX that the
// operating system releases when the process ends). Never released explicitly.
InstanceGuard acquireInstanceGuard(const char* name);

// Writes the current directory (Windows form) into buffer; an empty text when it does not fit.
void getCurrentDirectory(char* buffer, std::size_t capacity);

struct FindResult {
    char name[kPathCapacity]; // the entry's name as stored, without its folder
    std::uint32_t sizeLow;    // low 32 bits of the size in bytes (0 for a folder)
    bool isDirectory;
    bool isLink;   // a symbolic link or reparse point (to a file or to a folder): not ours to write
    bool readOnly; // Windows' read-only attribute; on POSIX no write permission at all
};

struct RawFile; // an open file of the system half

enum class FileAccess {
    read,  // an existing file, from its start; a link is followed
    write, // a new file, made afresh: an existing one of that name is removed first
};

// Every file operation goes through this table, so a test back end can wrap the real one (fail
// the Nth call of any entry, or look at the disk as a crash at that call would leave it) without
// the core knowing. All paths are in Windows form. Each back end keeps these promises:
//   - a name resolves to the exact name when that entry exists, else to the entry that differs
//     only in letter case, so no second name that differs only in case is ever created; the
//     trailing dots and blanks of a path's last name are dropped, as Windows drops them;
//   - nothing is written, replaced, moved or removed through a link: an operation whose target
//     is a link, a folder or read-only fails, changing nothing (reading follows links);
//   - durable: a written file is synced before it is closed, a folder after a name in it
//     changed, so a file that was put in place survives a power cut.
struct FileOps {
    // A plain path (existence) or a pattern with * and ? in its last component: the first
    // matching entry in case-insensitive name order. False when nothing matches; a link that
    // leads nowhere is not found (Windows programs under Wine never see one).
    bool (*findFirst)(const char* pathOrPattern, FindResult* result);
    // Makes `to` a new file with the bytes of `from`, replacing a file of that name. False on
    // failure; `to` may then be missing or incomplete, never a link's target written.
    bool (*copyFile)(const char* from, const char* to);
    // Makes `keep` a second name of the file at `path` (a copy where the disk has no hard links),
    // so that the file survives its name being replaced. Fails, changing nothing, when `keep`
    // exists in any letter case or `path` is not a file of ours to keep.
    bool (*keepFile)(const char* path, const char* keep);
    // Puts `replacement` in place of `replaced` in one step: `replaced` exists at every instant,
    // with its old or its new bytes, and `replacement` is gone. A missing `replaced` is no error.
    // False, changing nothing, on failure.
    bool (*replaceFile)(const char* replaced, const char* replacement);
    bool (*deleteFile)(const char* path);
    // Binary access; null when the file cannot be opened or created.
    RawFile* (*openFile)(const char* path, FileAccess access);
    // Bytes read (0 at the end of the file), or -1 on a read error.
    std::ptrdiff_t (*readFile)(RawFile* file, void* buffer, std::size_t size);
    // True when all bytes were written.
    bool (*writeFile)(RawFile* file, const void* data, std::size_t size);
    // False when the file could not be synced (written files) or closed; the file is gone.
    bool (*closeFile)(RawFile* file);
};

// The live table. Tests may replace entries and must put the saved table back.
FileOps& fileOps();

// Shorthands that call through the table.
inline bool findFirst(const char* pathOrPattern, FindResult* result) {
    return fileOps().findFirst(pathOrPattern, result);
}
inline bool pathExists(const char* path) {
    FindResult ignored;
    return fileOps().findFirst(path, &ignored);
}
inline bool copyFile(const char* from, const char* to) {
    return fileOps().copyFile(from, to);
}
inline bool keepFile(const char* path, const char* keep) {
    return fileOps().keepFile(path, keep);
}
inline bool replaceFile(const char* replaced, const char* replacement) {
    return fileOps().replaceFile(replaced, replacement);
}
inline bool deleteFile(const char* path) {
    return fileOps().deleteFile(path);
}

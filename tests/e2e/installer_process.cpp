// Starting Install.exe, waiting for its windows and for its end.
#include "tests/e2e/installer_process.h"

#include <cstring>
#include <string>

namespace {

// The build hands over a Unix path; under Wine, kernel32 turns it into a DOS path.
std::wstring installerPath() {
    const char* path = ZRK_INSTALL_EXE;
    using ToDos = WCHAR*(CDECL*)(const char*);
    auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    if (toDos != nullptr) {
        if (WCHAR* dos = toDos(path)) {
            std::wstring result(dos);
            HeapFree(GetProcessHeap(), 0, dos);
            return result;
        }
    }
    return std::wstring(path, path + std::strlen(path));
}

} // namespace

InstallerProcess::InstallerProcess(const std::string& currentDirectory) {
    std::wstring path = installerPath();
    std::wstring commandLine = L"\"" + path + L"\"";
    // The test paths are plain ASCII.
    std::wstring directory(currentDirectory.begin(), currentDirectory.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       directory.empty() ? nullptr : directory.c_str(), &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        id_ = info.dwProcessId;
    }
}

InstallerProcess::~InstallerProcess() {
    if (process_ == nullptr) {
        return;
    }
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, kWaitMs);
    }
    CloseHandle(process_);
}

bool InstallerProcess::stillRunningAfter(DWORD ms) const {
    return process_ != nullptr && WaitForSingleObject(process_, ms) == WAIT_TIMEOUT;
}

std::optional<DWORD> InstallerProcess::waitForExit() const {
    DWORD code = 0;
    if (process_ == nullptr || WaitForSingleObject(process_, kWaitMs) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process_, &code)) {
        return std::nullopt;
    }
    return code;
}

HWND InstallerProcess::waitForDialog(const char* title) const {
    for (DWORD waited = 0; process_ != nullptr && waited < kWaitMs; waited += 50) {
        HWND dialog = findDialog(id_, title);
        if (dialog != nullptr && IsWindowVisible(dialog)) {
            return dialog;
        }
        Sleep(50);
    }
    return nullptr;
}

std::string InstallerProcess::visibleWindows() const {
    struct Search {
        DWORD processId;
        std::string titles;
    } search{id_, ""};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* found = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == found->processId && IsWindowVisible(window)) {
                char title[256] = "";
                GetWindowTextA(window, title, sizeof title);
                found->titles += std::string(found->titles.empty() ? "" : ", ") + '"' + title + '"';
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.titles.empty() ? "none" : search.titles;
}

HWND findDialog(DWORD processId, const char* title) {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, "#32770", title)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) {
            return window;
        }
    }
    return nullptr;
}

// Aircraft and start folders for the end-to-end tests, written through Win32 and file streams.
#include "tests/e2e/aircraft_layout.h"

#include <windows.h>

#include <filesystem>
#include <stdexcept>

#include "tests/support/test_files.h"

namespace {

constexpr const char* kLayouts[] = {"PAX-3C", "PAX-2C", "PAX-1C", "CBI-2C", "CBI-1C", "CARGO"};

std::string withBackslash(const std::string& folder) {
    return folder.empty() || folder.back() == '\\' ? folder : folder + '\\';
}

void putResource(const std::string& start, const std::string& relativeName) {
    writeNativeFile(start + relativeName, resourceText(relativeName));
}

} // namespace

std::string aircraftConfig(const std::string& title, const AircraftFiles& aircraft) {
    return "[fltsim.0]\r\ntitle=" + title + "\r\nsim=" + aircraft.sim +
           "\r\nmodel=\r\npanel=" + aircraft.panel +
           "\r\nsound=\r\ntexture=\r\nui_type=MD-11\r\n\r\n"
           "[General]\r\natc_type=MCDONNELL DOUGLAS\r\natc_model=MD11\r\n\r\n"
           "[WEIGHT_AND_BALANCE]\r\nempty_weight=123456\r\n";
}

void layOutAircraft(const std::string& folder, const AircraftFiles& aircraft) {
    std::string base = withBackslash(folder);
    std::string title = std::filesystem::path(folder).filename().string();
    writeNativeFile(base + "aircraft.cfg", aircraftConfig(title, aircraft));
    writeNativeFile(base + "Panel\\Panel.cfg", kPanelCfg);
    writeNativeFile(base + "Sound\\sound.cfg", kSoundCfg);
    std::filesystem::create_directories(base + "model");
    if (!makeSizedFile(base + aircraft.sim + ".air", aircraft.airSize) ||
        !makeSizedFile(base + "model\\" + aircraft.modelFile, aircraft.modelSize)) {
        throw std::runtime_error("cannot lay out the aircraft in " + base);
    }
}

void layOutStartFolder(const std::string& folder) {
    std::string start = withBackslash(folder);
    putResource(start, "tuning_res\\MD-11_zrk.air");
    putResource(start, "tuning_res\\sound.cfg");
    putResource(start, "trimdesk_res\\Trimdesk.exe");
    for (const char* layout : kLayouts) {
        for (const char* pattern : {"Trimdesk-%s.ini", "TD-MD11-%s.ini", "TD-MD11-%s.bmp"}) {
            char name[64];
            wsprintfA(name, pattern, layout);
            putResource(start, std::string("trimdesk_res\\") + name);
        }
    }
}

std::string resourceText(const std::string& relativeName) {
    return "Test stand-in for " + relativeName + "\r\n";
}

bool makeSizedFile(const std::string& path, std::uint64_t size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    bool sized = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    return CloseHandle(file) && sized;
}

// A real aircraft folder in a temporary folder, built file by file for tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

#include "tests/support/config_text.h"
#include "tests/support/test_files.h"

// One aircraft section of aircraft.cfg: sim, model, an empty panel and ui_type.
inline std::string fltsim(const std::string& sim, const std::string& model = "",
                          const std::string& uiType = "MD11", int index = 0) {
    return "[fltsim." + std::to_string(index) + "]\ntitle=MD-11\nsim=" + sim + "\nmodel=" + model +
           "\npanel=\nui_type=" + uiType + "\n";
}
inline const std::string kGeneralSection = "[General]\natc_type=MD11\n"; // after the aircraft

// Names are relative, in Windows form ("Panel\\Panel.cfg"); text files are stored with CR LF.
class AircraftFolder {
public:
    void writeConfig(const std::string& text) { writeTextFile("aircraft.cfg", text); }
    void writeTextFile(const std::string& name, const std::string& text) {
        writeFile(name, withCrLf(text));
    }
    void writeFile(const std::string& name, const std::string& bytes) {
        writeNativeFile(nativePath(name), bytes);
    }
    // A file of exactly size bytes, sparse.
    void addFile(const std::string& name, std::uintmax_t size) {
        writeFile(name, "");
        std::filesystem::resize_file(nativePath(name), size);
    }
    // As TemporaryFolder::put, in place of whatever stands under the name.
    void put(std::string name, const std::string& bytes) {
        std::filesystem::remove_all(nativePath(name));
        std::replace(name.begin(), name.end(), '\\', '/');
        root_.put(name, bytes);
    }
    std::string readFile(const std::string& name) const { return readNativeFile(nativePath(name)); }
    std::string corePath(const std::string& name) const { return root_.corePath() + name; }
    std::string cfgPath() const { return corePath("aircraft.cfg"); }
    std::string nativePath(const std::string& name) const { return toNativePath(corePath(name)); }
    FileTree tree() const { return root_.tree(); }

private:
    TemporaryFolder root_;
};

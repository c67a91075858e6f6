// The installer as a user meets it, for the benchmarks: a start folder with the product's
// resources, an aircraft folder with a large aircraft.cfg, and the main dialog driven through
// the scripted front end.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "bench/bench_support.h"
#include "platform/platform.h"
#include "tests/support/scripted_front_end.h"

// Only the aircraft folder: a version 1.5 iFDG passenger aircraft with General Electric engines
// and `liveries` aircraft sections, under folder/aircraft/. Returns the size of its aircraft.cfg.
std::uintmax_t layOutAircraft(const ScratchFolder& folder, int liveries);

class InstallerSession {
public:
    // Lays out both folders and opens the main dialog from the start folder, which stays the
    // current directory while the session lives.
    explicit InstallerSession(int liveries);
    ~InstallerSession();
    InstallerSession(const InstallerSession&) = delete;
    InstallerSession& operator=(const InstallerSession&) = delete;

    // "Choose MD-11 aircraft" answered with the aircraft's aircraft.cfg; true when Install or
    // Uninstall is then offered.
    bool choose();
    // True when the command ended with its success sentence.
    bool install();
    bool uninstall();

    std::uintmax_t configBytes() const { return configBytes_; }
    const ScratchFolder& folder() const { return folder_; }

private:
    bool clickAndExpect(int id, const char* success);

    ScratchFolder folder_;
    std::uintmax_t configBytes_;
    std::filesystem::path savedDirectory_;
    ScriptedFrontEnd frontEnd_;
    WindowHandle dialog_;
};

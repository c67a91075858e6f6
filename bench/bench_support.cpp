// Scratch folders, the sample configuration and the write counter of the benchmarks.
#include "bench/bench_support.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/platform.h"

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "zrk-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::abort(); // nothing to measure without a folder
    }
    native_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(native_, ignored);
}

std::string ScratchFolder::core(const std::string& relative) const {
    std::string path = native(relative);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

void ScratchFolder::put(const std::string& relative, const std::string& bytes) const {
    fs::create_directories(fs::path(native(relative)).parent_path());
    std::ofstream(native(relative), std::ios::binary | std::ios::trunc) << bytes;
}

std::uintmax_t writeSampleAircraftConfig(const std::string& nativePath, int liveries) {
    std::string description; // repaint notes: long lines of prose
    while (description.size() < 1500) {
        description += "Repainted by the community, with a clean fuselage and weathered engines. ";
    }
    std::ofstream out(nativePath, std::ios::binary | std::ios::trunc);
    out << "// MD-11 for FS2004, repaints by many authors\r\n\r\n";
    for (int i = 0; i < liveries; ++i) {
        const std::string n = std::to_string(i);
        out << "[fltsim." << n << "]\r\ntitle=McDonnell Douglas MD-11 livery " << n
            << "\r\nsim=MD-11\r\nmodel=\r\npanel=\r\nsound=\r\ntexture=" << n
            << "\r\nkb_checklists=MD11_check\r\nkb_reference=MD11_ref\r\natc_id=N" << n
            << "MD\r\natc_airline=AIRLINE\r\natc_flight_number=" << n
            << "\r\natc_heavy=1\r\natc_parking_types=GATE,CARGO\r\nui_manufacturer=McDonnell "
               "Douglas\r\nui_type=MD-11\r\nui_variation=Livery "
            << n << "\r\nvisual_damage=0\r\ndescription=" << description << "\r\n\r\n";
    }
    out << "[General]\r\natc_type=MD11\r\natc_model=MD11\r\neditable=1\r\nperformance=Cruise "
           "speed 480 kts, range 6,800 nm\r\n\r\n";
    // The sections the rewrite replaces: about 300 lines, as in a stock aircraft.cfg.
    for (int section = 0; section < 25; ++section) {
        out << "[section_" << section << "]\r\n";
        for (int key = 0; key < 12; ++key) {
            out << "key_" << key << "=0.000000, 1.000000, 2.000000\r\n";
        }
        out << "\r\n";
    }
    out.close();
    return fileSize(nativePath);
}

std::uintmax_t fileSize(const std::string& nativePath) {
    return fs::file_size(nativePath);
}

namespace {

FileOps savedOps;
long writes = 0;

bool countedWrite(RawFile* file, const void* data, std::size_t size) {
    ++writes;
    return savedOps.writeFile(file, data, size);
}

} // namespace

WriteCounter::WriteCounter() {
    savedOps = fileOps();
    writes = 0;
    fileOps().writeFile = countedWrite;
}

WriteCounter::~WriteCounter() {
    fileOps() = savedOps;
}

long WriteCounter::count() const {
    return writes;
}

// What the benchmarks share: scratch folders, a large aircraft.cfg made on the fly and a count
// of the writes that reach the system.
#pragma once

#include <cstdint>
#include <string>

// Aircraft sections of the benchmarks' aircraft.cfg: a large repaint collection, about 2 MB.
constexpr int kBenchLiveries = 1000;

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string native(const std::string& relative) const { return native_ + "/" + relative; }
    // Windows form, as the installer's fields hold paths.
    std::string core(const std::string& relative) const;
    // Creates or replaces a file with these bytes, its folders first.
    void put(const std::string& relative, const std::string& bytes) const;

private:
    std::string native_;
};

// Writes an aircraft.cfg as repaint collections have them, with CR LF line ends, without holding
// it in memory: a comment, `liveries` aircraft sections of about 2 KB each (sim=MD-11, the model
// folder "model", no panel), [General], then the simulator's own sections. Returns its size.
std::uintmax_t writeSampleAircraftConfig(const std::string& nativePath, int liveries);

std::uintmax_t fileSize(const std::string& nativePath);

// Counts the calls of the file-operations table's write entry while it lives.
class WriteCounter {
public:
    WriteCounter();
    ~WriteCounter();
    WriteCounter(const WriteCounter&) = delete;
    WriteCounter& operator=(const WriteCounter&) = delete;

    long count() const;
};

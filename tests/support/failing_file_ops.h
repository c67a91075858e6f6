// A test back end over the live file-operations table: fails a chosen call, as a full disk or a
// vanished drive would, and shows the disk before every call, as a crash there would leave it.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

enum class FileCall { find, copy, keep, replace, remove, open, read, write, close };

// Installs itself and puts the saved table back when destroyed; one at a time. A failing call
// gives false, null or -1 without reaching the real table (a failing close still closes).
class FailingFileOps {
public:
    struct Call {
        FileCall kind;
        std::string path; // acted on (a copy's target); for read, write and close the opened one
    };

    FailingFileOps();
    ~FailingFileOps();
    FailingFileOps(const FailingFileOps&) = delete;
    FailingFileOps& operator=(const FailingFileOps&) = delete;

    // Fails the call with that number, counted from 1 over every kind (0: none) ...
    void failCall(std::size_t number) { failAt_ = number; }
    // ... or the Nth call of one kind.
    void failNth(FileCall kind, unsigned n) { failKind_[kind] = n; }
    // Called before each call, with the calls so far, the one about to be made last.
    std::function<void(const std::vector<Call>&)> beforeCall;

    const std::vector<Call>& calls() const { return calls_; }
    unsigned callCount(FileCall kind) const;

private:
    bool fails(FileCall kind, std::string path); // records the call
    bool fails(FileCall kind, RawFile* file) { return fails(kind, open_[file]); }

    FileOps saved_;
    std::vector<Call> calls_;
    std::size_t failAt_ = 0;
    std::map<FileCall, unsigned> failKind_;
    std::map<RawFile*, std::string> open_;
};

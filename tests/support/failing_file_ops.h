// A test back end over the live file-operations table: makes the Nth open, read, write, move,
// copy or delete fail, as a full disk or a locked file would, without the core knowing.
#pragma once

#include "platform/platform.h"

enum class FileCall { open, read, write, move, copy, remove };

// Installs itself on construction and puts the saved table back on destruction; one at a time.
// Calls are counted from 1 from construction, per kind; a failed call changes nothing on disk.
class FailingFileOps {
public:
    FailingFileOps();
    ~FailingFileOps();
    FailingFileOps(const FailingFileOps&) = delete;
    FailingFileOps& operator=(const FailingFileOps&) = delete;

    // Each makes exactly the Nth call of its kind fail (0: none): a null file, -1 or false.
    void failOpenNumber(unsigned n) { failAt_[index(FileCall::open)] = n; }
    void failReadNumber(unsigned n) { failAt_[index(FileCall::read)] = n; }
    void failWriteNumber(unsigned n) { failAt_[index(FileCall::write)] = n; }
    void failMoveNumber(unsigned n) { failAt_[index(FileCall::move)] = n; }
    void failCopyNumber(unsigned n) { failAt_[index(FileCall::copy)] = n; }
    void failDeleteNumber(unsigned n) { failAt_[index(FileCall::remove)] = n; }

    // Calls of that kind so far, the failed one included.
    unsigned callCount(FileCall kind) const { return calls_[index(kind)]; }

private:
    static constexpr int kKinds = 6;
    static constexpr int index(FileCall kind) { return static_cast<int>(kind); }
    static bool failsNow(FileCall kind);
    static RawFile* open(const char* path, FileAccess access);
    static std::ptrdiff_t read(RawFile* file, void* buffer, std::size_t size);
    static bool write(RawFile* file, const void* data, std::size_t size);
    static bool move(const char* from, const char* to);
    static bool copy(const char* from, const char* to);
    static bool remove(const char* path);

    FileOps saved_;
    unsigned calls_[kKinds] = {};
    unsigned failAt_[kKinds] = {};
};

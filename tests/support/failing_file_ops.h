// A test back end over the live file-operations table: fails the Nth call, as a full disk would.
#pragma once

#include "platform/platform.h"

enum class FileCall { open, read, write, move, copy, remove };

// Installs itself and puts the saved table back when destroyed; one at a time. Calls count from
// 1 per kind; the failing one gives null, -1 or false without reaching the real table.
class FailingFileOps {
public:
    FailingFileOps();
    ~FailingFileOps();
    FailingFileOps(const FailingFileOps&) = delete;
    FailingFileOps& operator=(const FailingFileOps&) = delete;

    // Each makes exactly the Nth call of its kind fail (0: none).
    void failOpenNumber(unsigned n) { failAt[int(FileCall::open)] = n; }
    void failReadNumber(unsigned n) { failAt[int(FileCall::read)] = n; }
    void failWriteNumber(unsigned n) { failAt[int(FileCall::write)] = n; }
    void failMoveNumber(unsigned n) { failAt[int(FileCall::move)] = n; }
    void failCopyNumber(unsigned n) { failAt[int(FileCall::copy)] = n; }
    void failDeleteNumber(unsigned n) { failAt[int(FileCall::remove)] = n; }
    // Calls of that kind so far, the failed one included.
    unsigned callCount(FileCall kind) const { return calls[int(kind)]; }

    FileOps saved;
    unsigned calls[6] = {}, failAt[6] = {};
};

// A test back end over the live file-operations table: fails the Nth call, as a full disk would.
#pragma once

#include "platform/platform.h"

enum class FileCall { open, read, write };

// Installs itself and puts the saved table back when destroyed; one at a time. Calls count from
// 1 per kind; the failing one (0: none) gives null, -1 or false without reaching the real table.
class FailingFileOps {
public:
    FailingFileOps();
    ~FailingFileOps();
    FailingFileOps(const FailingFileOps&) = delete;
    FailingFileOps& operator=(const FailingFileOps&) = delete;

    void failOpenNumber(unsigned n) { failAt[int(FileCall::open)] = n; }
    void failReadNumber(unsigned n) { failAt[int(FileCall::read)] = n; }
    void failWriteNumber(unsigned n) { failAt[int(FileCall::write)] = n; }
    // Calls of that kind so far, the failed one included.
    unsigned callCount(FileCall kind) const { return calls[int(kind)]; }

    FileOps saved;
    unsigned calls[3] = {}, failAt[3] = {};
};

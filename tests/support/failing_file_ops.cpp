// The fault-injecting wrapper of the file-operations table.
#include "tests/support/failing_file_ops.h"

#include <cstdlib>
#include <utility>

namespace {

FailingFileOps* active = nullptr;

// Stands in for one entry of the table: counts the call, then fails it or hands it on.
template <FileCall kind, auto entry, auto failure, typename... Args>
auto wrapped(Args... args) -> decltype((std::declval<FileOps&>().*entry)(args...)) {
    unsigned call = ++active->calls[int(kind)];
    return call == active->failAt[int(kind)] ? failure : (active->saved.*entry)(args...);
}

} // namespace

FailingFileOps::FailingFileOps() : saved(fileOps()) {
    if (std::exchange(active, this) != nullptr) {
        std::abort(); // a second one would wrap the first and restore the wrong table
    }
    FileOps& live = fileOps();
    live.openFile = wrapped<FileCall::open, &FileOps::openFile, nullptr>;
    live.readFile = wrapped<FileCall::read, &FileOps::readFile, -1>;
    live.writeFile = wrapped<FileCall::write, &FileOps::writeFile, false>;
}

FailingFileOps::~FailingFileOps() {
    fileOps() = saved;
    active = nullptr;
}

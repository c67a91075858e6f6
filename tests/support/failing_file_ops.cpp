// The fault-injecting wrapper of the file-operations table.
#include "tests/support/failing_file_ops.h"

#include <cstdio>
#include <cstdlib>

namespace {

FailingFileOps* active = nullptr;

} // namespace

FailingFileOps::FailingFileOps() : saved_(fileOps()) {
    if (active != nullptr) {
        std::fputs("FailingFileOps: only one may be installed at a time\n", stderr);
        std::abort();
    }
    active = this;
    FileOps& live = fileOps();
    live.openFile = open;
    live.readFile = read;
    live.writeFile = write;
    live.moveFile = move;
    live.copyFile = copy;
    live.deleteFile = remove;
}

FailingFileOps::~FailingFileOps() {
    fileOps() = saved_;
    active = nullptr;
}

bool FailingFileOps::failsNow(FileCall kind) {
    int i = index(kind);
    return ++active->calls_[i] == active->failAt_[i];
}

RawFile* FailingFileOps::open(const char* path, FileAccess access) {
    return failsNow(FileCall::open) ? nullptr : active->saved_.openFile(path, access);
}

std::ptrdiff_t FailingFileOps::read(RawFile* file, void* buffer, std::size_t size) {
    return failsNow(FileCall::read) ? -1 : active->saved_.readFile(file, buffer, size);
}

bool FailingFileOps::write(RawFile* file, const void* data, std::size_t size) {
    return !failsNow(FileCall::write) && active->saved_.writeFile(file, data, size);
}

bool FailingFileOps::move(const char* from, const char* to) {
    return !failsNow(FileCall::move) && active->saved_.moveFile(from, to);
}

bool FailingFileOps::copy(const char* from, const char* to) {
    return !failsNow(FileCall::copy) && active->saved_.copyFile(from, to);
}

bool FailingFileOps::remove(const char* path) {
    return !failsNow(FileCall::remove) && active->saved_.deleteFile(path);
}

// The fault-injecting wrapper of the file-operations table.
#include "tests/support/failing_file_ops.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

FailingFileOps* active = nullptr;

std::string named(const char* path) {
    return path != nullptr ? path : "";
}

bool wrappedFind(const char* path, FindResult* result) {
    return !active->enter(FileCall::find, named(path)) && active->saved.findFirst(path, result);
}
bool wrappedCopy(const char* from, const char* to) {
    return !active->enter(FileCall::copy, named(to)) && active->saved.copyFile(from, to);
}
bool wrappedKeep(const char* path, const char* keep) {
    return !active->enter(FileCall::keep, named(path)) && active->saved.keepFile(path, keep);
}
bool wrappedReplace(const char* replaced, const char* replacement) {
    return !active->enter(FileCall::replace, named(replaced)) &&
           active->saved.replaceFile(replaced, replacement);
}
bool wrappedDelete(const char* path) {
    return !active->enter(FileCall::remove, named(path)) && active->saved.deleteFile(path);
}
RawFile* wrappedOpen(const char* path, FileAccess access) {
    if (active->enter(FileCall::open, named(path))) {
        return nullptr;
    }
    RawFile* file = active->saved.openFile(path, access);
    active->opened(file, path);
    return file;
}
std::ptrdiff_t wrappedRead(RawFile* file, void* buffer, std::size_t size) {
    return active->enter(FileCall::read, active->pathOf(file))
               ? -1
               : active->saved.readFile(file, buffer, size);
}
bool wrappedWrite(RawFile* file, const void* data, std::size_t size) {
    return !active->enter(FileCall::write, active->pathOf(file)) &&
           active->saved.writeFile(file, data, size);
}
bool wrappedClose(RawFile* file) {
    bool fails = active->enter(FileCall::close, active->pathOf(file));
    return active->saved.closeFile(file) && !fails;
}

} // namespace

FailingFileOps::FailingFileOps() : saved(fileOps()) {
    if (std::exchange(active, this) != nullptr) {
        std::abort(); // a second one would wrap the first and restore the wrong table
    }
    fileOps() = FileOps{wrappedFind, wrappedCopy, wrappedKeep,  wrappedReplace, wrappedDelete,
                        wrappedOpen, wrappedRead, wrappedWrite, wrappedClose};
}

FailingFileOps::~FailingFileOps() {
    fileOps() = saved;
    active = nullptr;
}

unsigned FailingFileOps::callCount(FileCall kind) const {
    return static_cast<unsigned>(
        std::count_if(calls_.begin(), calls_.end(), [&](const Call& c) { return c.kind == kind; }));
}

bool FailingFileOps::enter(FileCall kind, std::string path) {
    calls_.push_back({kind, std::move(path)});
    if (beforeCall) {
        beforeCall(calls_);
    }
    auto nth = failKind_.find(kind);
    return calls_.size() == failAt_ || (nth != failKind_.end() && nth->second == callCount(kind));
}

std::string FailingFileOps::pathOf(RawFile* file) const {
    auto found = open_.find(file);
    return found != open_.end() ? found->second : "";
}

// The fault-injecting wrapper of the file-operations table.
#include "tests/support/failing_file_ops.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {
FailingFileOps* active = nullptr;
} // namespace

FailingFileOps::FailingFileOps() : saved_(fileOps()) {
    if (std::exchange(active, this) != nullptr) {
        std::abort(); // a second one would wrap the first and restore the wrong table
    }
    fileOps() = FileOps{
        [](const char* path, FindResult* result) {
            return !active->fails(FileCall::find, path) && active->saved_.findFirst(path, result);
        },
        [](const char* from, const char* to) {
            return !active->fails(FileCall::copy, to) && active->saved_.copyFile(from, to);
        },
        [](const char* path, const char* keep) {
            return !active->fails(FileCall::keep, path) && active->saved_.keepFile(path, keep);
        },
        [](const char* replaced, const char* replacement) {
            return !active->fails(FileCall::replace, replaced) &&
                   active->saved_.replaceFile(replaced, replacement);
        },
        [](const char* path) {
            return !active->fails(FileCall::remove, path) && active->saved_.deleteFile(path);
        },
        [](const char* path, FileAccess access) -> RawFile* {
            if (active->fails(FileCall::open, path)) {
                return nullptr;
            }
            RawFile* file = active->saved_.openFile(path, access);
            active->open_[file] = path;
            return file;
        },
        [](RawFile* file, void* buffer, std::size_t size) -> std::ptrdiff_t {
            return active->fails(FileCall::read, file)
                       ? -1
                       : active->saved_.readFile(file, buffer, size);
        },
        [](RawFile* file, const void* data, std::size_t size) {
            return !active->fails(FileCall::write, file) &&
                   active->saved_.writeFile(file, data, size);
        },
        [](RawFile* file) {
            bool failed = active->fails(FileCall::close, file);
            return active->saved_.closeFile(file) && !failed;
        }};
}

FailingFileOps::~FailingFileOps() {
    fileOps() = saved_;
    active = nullptr;
}

unsigned FailingFileOps::callCount(FileCall kind) const {
    return static_cast<unsigned>(
        std::count_if(calls_.begin(), calls_.end(), [&](const Call& c) { return c.kind == kind; }));
}

bool FailingFileOps::fails(FileCall kind, std::string path) {
    calls_.push_back({kind, std::move(path)});
    if (beforeCall) {
        beforeCall(calls_);
    }
    auto nth = failKind_.find(kind);
    return calls_.size() == failAt_ || (nth != failKind_.end() && nth->second == callCount(kind));
}

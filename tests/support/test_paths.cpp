// Temporary folders and path forms for tests.
#include "tests/support/test_paths.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

TemporaryFolder::TemporaryFolder() {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    fs::path base = fs::temp_directory_path();
    for (;;) {
        fs::path candidate =
            base / ("zrk-test-" + std::to_string(random()) + "-" + std::to_string(counter++));
        if (fs::create_directory(candidate)) {
            native_ = candidate.string();
            return;
        }
    }
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    fs::remove_all(native_, ignored);
}

std::string TemporaryFolder::corePath() const {
    std::string path = toCorePath(native_);
    if (path.empty() || path.back() != '\\') {
        path += '\\';
    }
    return path;
}

std::string toNativePath(const std::string& corePath) {
#if defined(_WIN32)
    return corePath;
#else
    std::string path = corePath;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
#endif
}

std::string toCorePath(const std::string& nativePath) {
    std::string path = nativePath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

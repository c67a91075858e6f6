// Baselines over the C library and POSIX descriptors.
#include "bench/baselines.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace {

constexpr std::size_t kBlock = 65536;

// fsync of the file, then of its folder, so that its name is durable too.
bool syncFileAndFolder(std::FILE* file, const std::string& path) {
    if (std::fflush(file) != 0 || fsync(fileno(file)) != 0) {
        return false;
    }
    int folder = open(std::filesystem::path(path).parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    bool synced = folder >= 0 && fsync(folder) == 0;
    if (folder >= 0) {
        close(folder);
    }
    return synced;
}

} // namespace

long fgetsLoop(const std::string& nativePath) {
    std::FILE* in = std::fopen(nativePath.c_str(), "r");
    if (in == nullptr) {
        return -1;
    }
    char line[2048];
    long lines = 0;
    while (std::fgets(line, sizeof line, in) != nullptr) {
        line[std::strcspn(line, "\r\n")] = '\0';
        ++lines;
    }
    std::fclose(in);
    return lines;
}

bool lineCopy(const std::string& from, const std::string& to, bool synced) {
    std::FILE* in = std::fopen(from.c_str(), "r");
    std::FILE* out = std::fopen(to.c_str(), "w");
    std::vector<char> inBuffer(kBlock), outBuffer(kBlock);
    bool copied = in != nullptr && out != nullptr;
    if (copied) {
        std::setvbuf(in, inBuffer.data(), _IOFBF, kBlock);
        std::setvbuf(out, outBuffer.data(), _IOFBF, kBlock);
        char line[2048];
        while (std::fgets(line, sizeof line, in) != nullptr) {
            std::size_t length = std::strcspn(line, "\r\n");
            std::fwrite(line, 1, length, out);
            std::fwrite("\r\n", 1, 2, out);
        }
        copied = !std::ferror(in) && (!synced || syncFileAndFolder(out, to));
    }
    if (out != nullptr) {
        copied = std::fclose(out) == 0 && copied;
    }
    if (in != nullptr) {
        std::fclose(in);
    }
    return copied;
}

bool blockCopy(const std::string& from, const std::string& to) {
    int in = open(from.c_str(), O_RDONLY);
    int out = open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char> block(kBlock);
    bool copied = in >= 0 && out >= 0;
    for (ssize_t count; copied && (count = read(in, block.data(), kBlock)) != 0;) {
        copied = count > 0 && write(out, block.data(), static_cast<std::size_t>(count)) == count;
    }
    if (out >= 0) {
        copied = close(out) == 0 && copied;
    }
    if (in >= 0) {
        close(in);
    }
    return copied;
}

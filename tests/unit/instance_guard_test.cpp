// The single-instance guard across processes (POSIX; the end-to-end tests hold Windows to it).
#ifndef _WIN32
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/platform.h"
#include "tests/support/test_files.h"

TEST(InstanceGuard, OneHolderAtATimeUntilItsProcessEnds) {
    // Separators must not lead the lock elsewhere; the file name keeps 200 characters at most.
    const std::string longName = "AZaz09 .-_a/b\\c:" + std::string(190, 'x');
    const char* name = longName.c_str();
    const auto inChild = [&] { // held by the child until it exits
        const pid_t child = fork();
        if (child == 0) {
            _exit(static_cast<int>(acquireInstanceGuard(name)));
        }
        int status = 0;
        EXPECT_TRUE(child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status));
        return static_cast<InstanceGuard>(WEXITSTATUS(status));
    };
    TestFolder runtime; // lock files go to a folder of the test's own; an empty variable is unset
    const std::string temporary = std::filesystem::temp_directory_path().string();
    setenv("XDG_RUNTIME_DIR", "", 1);
    setenv("TMPDIR", runtime.nativePath().c_str(), 1);
    EXPECT_EQ(inChild(), InstanceGuard::owned);
    EXPECT_EQ(acquireInstanceGuard(name), InstanceGuard::owned);
    EXPECT_EQ(inChild(), InstanceGuard::alreadyRunning);
    EXPECT_EQ(runtime.tree(), (FileTree{{"AZaz09 .-_a_b_c_" + std::string(184, 'x') + "." +
                                             std::to_string(getuid()) + ".lock",
                                         ""}}));
    setenv("XDG_RUNTIME_DIR", runtime.native("missing").c_str(), 1);
    EXPECT_EQ(acquireInstanceGuard(name), InstanceGuard::unavailable);
    setenv("TMPDIR", temporary.c_str(), 1);
}
#endif

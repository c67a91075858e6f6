// The single-instance guard across processes (POSIX; the end-to-end tests hold Windows to it).
#ifndef _WIN32
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/platform.h"
#include "tests/support/test_files.h"

TEST(InstanceGuard, OneHolderAtATimeUntilItsProcessEnds) {
    const char* name = "ZRK MD11 a/b\\c:"; // separators must not lead the lock elsewhere
    const auto inChild = [&] {             // held by the child until it exits
        const pid_t child = fork();
        if (child == 0) {
            _exit(static_cast<int>(acquireInstanceGuard(name)));
        }
        int status = 0;
        EXPECT_TRUE(child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status));
        return static_cast<InstanceGuard>(WEXITSTATUS(status));
    };
    TestFolder runtime; // lock files go to a runtime folder of the test's own
    setenv("XDG_RUNTIME_DIR", runtime.nativePath().c_str(), 1);
    EXPECT_EQ(inChild(), InstanceGuard::owned);
    EXPECT_EQ(acquireInstanceGuard(name), InstanceGuard::owned);
    EXPECT_EQ(inChild(), InstanceGuard::alreadyRunning);
    EXPECT_EQ(runtime.tree().size(), 1u);
    setenv("XDG_RUNTIME_DIR", runtime.native("missing").c_str(), 1);
    EXPECT_EQ(acquireInstanceGuard(name), InstanceGuard::unavailable);
}
#endif

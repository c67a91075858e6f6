// The single-instance guard across processes (POSIX; the end-to-end tests hold Windows to it).
#ifndef _WIN32
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/platform.h"
#include "tests/support/test_files.h"

TEST(InstanceGuard, OneHolderAtATimeUntilItsProcessEnds) {
    auto inChild = [](const std::string& name) { // held by the child until it exits
        pid_t child = fork();
        if (child == 0) {
            _exit(static_cast<int>(acquireInstanceGuard(name.c_str())));
        }
        int status = 0;
        EXPECT_TRUE(child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status));
        return static_cast<InstanceGuard>(WEXITSTATUS(status));
    };
    TestFolder runtime; // lock files go to a runtime folder of the test's own
    const char* old = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = old != nullptr ? old : "";
    setenv("XDG_RUNTIME_DIR", runtime.nativePath().c_str(), 1);
    const std::string name = "ZRK MD11 a/b\\c:"; // separators must not lead the lock elsewhere
    EXPECT_EQ(inChild(name), InstanceGuard::owned);
    EXPECT_EQ(acquireInstanceGuard(name.c_str()), InstanceGuard::owned);
    EXPECT_EQ(inChild(name), InstanceGuard::alreadyRunning);
    EXPECT_EQ(runtime.tree().size(), 1u);
    setenv("XDG_RUNTIME_DIR", runtime.native("missing").c_str(), 1);
    EXPECT_EQ(acquireInstanceGuard(name.c_str()), InstanceGuard::unavailable);
    old != nullptr ? setenv("XDG_RUNTIME_DIR", saved.c_str(), 1) : unsetenv("XDG_RUNTIME_DIR");
}
#endif

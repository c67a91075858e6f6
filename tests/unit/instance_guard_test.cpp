// The single-instance guard: a second process sees the first one's guard, and the guard ends
// with the process that held it.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/platform.h"
#include "tests/support/test_files.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#endif

namespace {

// A name no other test run uses, shaped like the installer's own.
std::string uniqueGuardName() {
    std::random_device random;
    return "ZRK MD11 guard test - version " + std::to_string(random()) + "." +
           std::to_string(random());
}

#ifndef _WIN32

// Sets an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* variable, const std::string& value) : variable_(variable) {
        const char* old = std::getenv(variable);
        hadValue_ = old != nullptr;
        saved_ = hadValue_ ? old : "";
        setenv(variable, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (hadValue_) {
            setenv(variable_, saved_.c_str(), 1);
        } else {
            unsetenv(variable_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* variable_;
    std::string saved_;
    bool hadValue_;
};

// What acquireInstanceGuard gives in a child process, which holds it until it exits.
InstanceGuard acquireInChild(const std::string& name) {
    pid_t child = fork();
    if (child == 0) {
        _exit(static_cast<int>(acquireInstanceGuard(name.c_str())));
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        ADD_FAILURE() << "the child process did not report";
        return InstanceGuard::unavailable;
    }
    return static_cast<InstanceGuard>(WEXITSTATUS(status));
}

#endif

// Lock files go to a runtime folder of the test's own, removed afterwards.
class InstanceGuardTest : public ::testing::Test {
protected:
    TestFolder runtime_;
#ifndef _WIN32
    ScopedVariable runtimeVariable_{"XDG_RUNTIME_DIR", runtime_.nativePath()};
#endif
};

} // namespace

TEST_F(InstanceGuardTest, FirstAcquisitionOwnsTheGuard) {
    EXPECT_EQ(acquireInstanceGuard(uniqueGuardName().c_str()), InstanceGuard::owned);
}

#ifndef _WIN32

TEST_F(InstanceGuardTest, AnotherProcessFindsItRunning) {
    // Separators in the name must not send the lock file elsewhere.
    std::string name = "a/b\\c:" + uniqueGuardName();
    ASSERT_EQ(acquireInstanceGuard(name.c_str()), InstanceGuard::owned);
    EXPECT_EQ(acquireInChild(name), InstanceGuard::alreadyRunning);
    EXPECT_EQ(acquireInChild(name + " other"), InstanceGuard::owned);
    EXPECT_EQ(runtime_.tree().size(), 2u) << "one lock file per name, in the runtime folder";
}

TEST_F(InstanceGuardTest, EndsWithTheProcessThatHeldIt) {
    std::string name = uniqueGuardName();
    ASSERT_EQ(acquireInChild(name), InstanceGuard::owned);
    EXPECT_EQ(acquireInstanceGuard(name.c_str()), InstanceGuard::owned);
}

TEST_F(InstanceGuardTest, FallsBackToTheTemporaryFolder) {
    TestFolder temporary;
    ScopedVariable noRuntime("XDG_RUNTIME_DIR", "");
    ScopedVariable temporaryVariable("TMPDIR", temporary.nativePath());
    std::string name = uniqueGuardName();
    ASSERT_EQ(acquireInstanceGuard(name.c_str()), InstanceGuard::owned);
    EXPECT_EQ(acquireInChild(name), InstanceGuard::alreadyRunning);
    EXPECT_EQ(temporary.tree().size(), 1u);
}

TEST_F(InstanceGuardTest, UnusableFolderIsNoRunningCopy) {
    ScopedVariable missing("XDG_RUNTIME_DIR", runtime_.native("missing"));
    EXPECT_EQ(acquireInstanceGuard(uniqueGuardName().c_str()), InstanceGuard::unavailable);
}

#endif

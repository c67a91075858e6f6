// Install and Uninstall seen at the system calls of the POSIX file layer, which the linker wraps:
// a written file is synced before it is renamed into place and before the command ends, a folder
// after a name in it changes, no descriptor stays open; interruptions and short writes change
// nothing; a failed write or sync fails the step.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <set>

#include "tests/support/main_dialog_fixture.h"

namespace {

namespace fs = std::filesystem;
// Every other call with an error here fails with it, errno left as it is by the others; with a
// write error every write writes half of what it is given.
struct Faults {
    const char* name;
    int read, write, sync;
    const char* onlyInto = ""; // the files whose writes fail, by the end of their names
};
const Faults kRuns[] = {{"clean", 0, 0, 0},
                        {"interrupted", EINTR, EINTR, EINTR},
                        {"failed write", 0, ENOSPC, 0},
                        {"failed sync", 0, 0, EIO},
                        {"failed copy", 0, ENOSPC, 0, ".air"}};
const Faults* faults = nullptr;
int calls = 0;
std::set<std::string> unsynced; // files written and folders changed since their last sync

std::string real(const std::string& name) {
    std::error_code error; // a descriptor's link in /proc leads to its file
    return fs::weakly_canonical(name, error).string();
}
std::string fileOf(int fd) {
    return real("/proc/self/fd/" + std::to_string(fd));
}
bool fails(int Faults::*error) {
    bool failing = faults != nullptr && faults->*error != 0 && calls++ % 2 == 0;
    errno = failing ? faults->*error : errno;
    return failing;
}
long openDescriptors() {
    return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
}

} // namespace

extern "C" {
ssize_t __real_read(int, void*, size_t);
ssize_t __real_write(int, const void*, size_t);
int __real_fsync(int);
int __real_rename(const char*, const char*);

ssize_t __wrap_read(int fd, void* buffer, size_t size) {
    return fails(&Faults::read) ? -1 : __real_read(fd, buffer, size);
}
ssize_t __wrap_write(int fd, const void* data, size_t size) {
    unsynced.insert({fileOf(fd), fs::path(fileOf(fd)).parent_path()});
    bool halve = faults != nullptr && faults->write != 0;
    bool into = halve && fileOf(fd).ends_with(faults->onlyInto);
    return into && fails(&Faults::write) ? -1
                                         : __real_write(fd, data, halve ? (size + 1) / 2 : size);
}
int __wrap_fsync(int fd) {
    if (fails(&Faults::sync) || __real_fsync(fd) != 0) {
        return -1;
    }
    unsynced.erase(fileOf(fd));
    return 0;
}
int __wrap_rename(const char* from, const char* to) {
    EXPECT_FALSE(unsynced.contains(real(from))) << from << " put in place unsynced";
    unsynced.insert(fs::path(real(to)).parent_path());
    return __real_rename(from, to);
}
}

using DurabilityTest = MainDialogTest;

TEST_F(DurabilityTest, WritesAreSyncedBeforeTheyCountAndSurviveInterruptions) {
    addSoundFolder();
    layOut(aircraft, kFamilies[0]);
    aircraft.writeTextFile("Sound\\sound.cfg", "[own sounds]\nengine=1\n");
    const long descriptors = openDescriptors();
    std::map<int, FileTree> cleanTrees;
    for (const Faults& run : kRuns) {
        SCOPED_TRACE(run.name);
        calls = 0;
        faults = &run;
        for (int command : {IDC_INSTALL, IDC_UNINSTALL}) {
            chooseAircraftFile();
            setCheckState(dialog(), IDC_ENGINE_SOUNDS, BST_CHECKED); // the load editor is checked
            const FileTree before = aircraft.tree();
            click(command);
            EXPECT_EQ(openDescriptors(), descriptors);
            if (*run.onlyInto != '\0') { // unreported, and no half copy left under its name
                FileTree expected = cleanTrees.at(IDC_INSTALL);
                expected.erase("MD-11_zrk.air");
                EXPECT_EQ(aircraft.tree(), expected);
                break;
            }
            if (run.write == ENOSPC || run.sync == EIO) { // of the new Panel.cfg
                EXPECT_EQ(aircraft.tree(), before);
                EXPECT_FALSE(statusText().ends_with("Panel installed successfully."));
                break;
            }
            EXPECT_EQ(unsynced, std::set<std::string>{});
            const FileTree& clean = cleanTrees.try_emplace(command, aircraft.tree()).first->second;
            EXPECT_EQ(aircraft.tree(), clean);
        }
    }
    faults = nullptr;
}

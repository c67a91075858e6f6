// Paths as the core holds them: at most 259 characters, relative to the current directory,
// and the current directory itself in the same form.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/platform.h"
#include "tests/support/test_files.h"

namespace fs = std::filesystem;

namespace {

// Enters a folder for the life of the object.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::string& nativeFolder) : saved_(fs::current_path()) {
        fs::current_path(nativeFolder);
    }
    ~CurrentDirectory() { fs::current_path(saved_); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    fs::path saved_;
};

// A path of exactly `length` characters that names the folder's file "f.txt", padded with
// "x\..\" and ".\" components.
std::string paddedPath(const TestFolder& folder, std::size_t length) {
    std::string head = folder.corePath();
    std::size_t pad = length - head.size() - 5;
    if (pad % 2 != 0) {
        head += "x\\..\\";
        pad -= 5;
    }
    for (; pad > 0; pad -= 2) {
        head += ".\\";
    }
    return head + "f.txt";
}

} // namespace

TEST(CorePaths, RefusesPathsThatDoNotFitTheirField) {
    TestFolder folder;
    folder.put({{"x/", ""}, {"f.txt", "text"}});
    std::string fits = paddedPath(folder, kPathCapacity - 1);
    std::string tooLong = paddedPath(folder, kPathCapacity);
    ASSERT_EQ(fits.size(), 259u);
    ASSERT_EQ(tooLong.size(), 260u);

    EXPECT_TRUE(pathExists(fits.c_str()));
    EXPECT_FALSE(pathExists(tooLong.c_str()));
    RawFile* file = fileOps().openFile(fits.c_str(), FileAccess::read);
    EXPECT_NE(file, nullptr);
    if (file != nullptr) {
        fileOps().closeFile(file);
    }
    EXPECT_EQ(fileOps().openFile(tooLong.c_str(), FileAccess::read), nullptr);
    EXPECT_FALSE(copyFile(tooLong.c_str(), folder.core("copy.txt").c_str()));
    EXPECT_FALSE(moveFile(folder.core("f.txt").c_str(), (tooLong + "2").c_str()));
    EXPECT_FALSE(deleteFile(tooLong.c_str()));
    EXPECT_EQ(folder.tree(), (FileTree{{"x/", ""}, {"f.txt", "text"}}));
}

TEST(CorePaths, RelativePathsStartAtTheCurrentDirectory) {
    TestFolder folder;
    folder.put({{"Installer/", ""}, {"zrk md-11 SOUND/Sound.cfg", "tuned sound"}});
    CurrentDirectory inside(folder.native("Installer"));
    FindResult found;
    ASSERT_TRUE(findFirst("..\\ZRK MD-11 sound", &found));
    EXPECT_STREQ(found.name, "zrk md-11 SOUND");
    EXPECT_TRUE(found.isDirectory);
    EXPECT_TRUE(copyFile("..\\ZRK MD-11 sound\\sound.cfg", "copy.cfg"));
    EXPECT_EQ(readNativeFile(folder.native("Installer/copy.cfg")), "tuned sound");
}

TEST(CorePaths, CurrentDirectoryInCoreForm) {
    TestFolder folder;
    folder.put("Start Here/");
    CurrentDirectory inside(folder.native("Start Here"));
    char buffer[kPathCapacity];
    getCurrentDirectory(buffer, sizeof buffer);
    std::string expected = toCorePath(fs::current_path().string());
    EXPECT_EQ(buffer, expected);
    EXPECT_EQ(expected.substr(expected.size() - 11), "\\Start Here");

    char tooSmall[8] = "garbage";
    getCurrentDirectory(tooSmall, sizeof tooSmall);
    EXPECT_STREQ(tooSmall, "");
}

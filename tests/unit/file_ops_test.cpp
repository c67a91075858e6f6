// The file operations as the core relies on them: every component of a name resolved without
// regard to letter case, moves that never replace, copies that do, deletes of files only.
#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "tests/support/test_files.h"

namespace {

// The whole file through the table; false when it cannot be opened or read.
bool readThroughOps(const std::string& path, std::string* bytes) {
    RawFile* file = fileOps().openFile(path.c_str(), FileAccess::read);
    if (file == nullptr) {
        return false;
    }
    bytes->clear();
    char buffer[64];
    std::ptrdiff_t count;
    while ((count = fileOps().readFile(file, buffer, sizeof buffer)) > 0) {
        bytes->append(buffer, static_cast<std::size_t>(count));
    }
    return fileOps().closeFile(file) && count == 0;
}

bool writeThroughOps(const std::string& path, const std::string& bytes) {
    RawFile* file = fileOps().openFile(path.c_str(), FileAccess::write);
    if (file == nullptr) {
        return false;
    }
    bool written = fileOps().writeFile(file, bytes.data(), bytes.size());
    return fileOps().closeFile(file) && written;
}

} // namespace

TEST(FileOps, ResolvesEveryComponentWithoutRegardToCase) {
    struct Case {
        const char* onDisk;
        const char* asked;
        const char* storedName;
    };
    const Case cases[] = {
        {"Panel/panel.cfg", "PANEL\\PANEL.CFG", "panel.cfg"},
        {"a/Bb/cc/Dd.txt", "A\\bB\\CC\\dD.TXT", "Dd.txt"},
        {"Sub Dir/x.cfg", "sub dir\\.\\X.cfg", "x.cfg"},
        {"one/two.cfg", "ONE\\..\\One\\TWO.CFG", "two.cfg"},
        {"Model/sub.MDL", "model\\SUB.mdl.", "sub.MDL"}, // a final dot is dropped
    };
    TestFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked);
        folder.put(c.onDisk, c.onDisk);
        std::string bytes;
        EXPECT_TRUE(readThroughOps(folder.core(c.asked), &bytes));
        EXPECT_EQ(bytes, c.onDisk);
        FindResult found;
        ASSERT_TRUE(findFirst(folder.core(c.asked).c_str(), &found));
        EXPECT_STREQ(found.name, c.storedName);
    }
}

TEST(FileOps, CreatesInsideAnExistingFolderOfOtherCase) {
    TestFolder folder;
    folder.put("SOUND/");
    EXPECT_TRUE(writeThroughOps(folder.core("Sound\\sound.cfg"), "new"));
    EXPECT_TRUE(
        copyFile(folder.core("sound\\SOUND.CFG").c_str(), folder.core("sOUND\\copy.cfg").c_str()));
    EXPECT_EQ(folder.tree(),
              (FileTree{{"SOUND/", ""}, {"SOUND/sound.cfg", "new"}, {"SOUND/copy.cfg", "new"}}));
}

TEST(FileOps, WritingAFileOfOtherCaseReplacesIt) {
    TestFolder folder;
    folder.put("Panel/panel.cfg", "the aircraft's own panel");
    EXPECT_TRUE(writeThroughOps(folder.core("PANEL\\PANEL.CFG"), "alias"));
    EXPECT_EQ(folder.tree(), (FileTree{{"Panel/", ""}, {"Panel/panel.cfg", "alias"}}));
}

TEST(FileOps, OpensNoFolderAndNoMissingFile) {
    TestFolder folder;
    folder.put("Panel/");
    EXPECT_EQ(fileOps().openFile(folder.core("panel").c_str(), FileAccess::read), nullptr);
    EXPECT_EQ(fileOps().openFile(folder.core("panel.cfg").c_str(), FileAccess::read), nullptr);
    EXPECT_EQ(fileOps().openFile(folder.core("none\\panel.cfg").c_str(), FileAccess::write),
              nullptr);
}

#ifndef _WIN32
// Only a case-sensitive file system holds both; the choice must not follow the listing order.
TEST(FileOps, PicksTheFirstInOrderOfEntriesThatDifferOnlyInCase) {
    TestFolder folder;
    folder.put("panel/a.cfg", "lower");
    folder.put("Panel/a.cfg", "upper");
    std::string bytes;
    EXPECT_TRUE(readThroughOps(folder.core("PANEL\\A.CFG"), &bytes));
    EXPECT_EQ(bytes, "upper");
}
#endif

TEST(FileOps, MoveNeverReplaces) {
    struct Case {
        const char* title;
        FileTree before;
        const char* from;
        const char* to;
        bool moved;
        FileTree after; // empty: as before
    };
    const Case cases[] = {
        {"free target",
         {{"Panel/", ""}, {"Panel/panel.cfg", "own"}},
         "PANEL\\Panel.cfg",
         "panel\\PANEL.cfg_ORIGINAL",
         true,
         {{"Panel/", ""}, {"Panel/PANEL.cfg_ORIGINAL", "own"}}},
        {"into a folder of other case",
         {{"a.cfg", "A"}, {"Sub/", ""}},
         "A.CFG",
         "SUB\\a.cfg",
         true,
         {{"Sub/", ""}, {"Sub/a.cfg", "A"}}},
        {"target exists", {{"a.cfg", "A"}, {"b.cfg", "B"}}, "a.cfg", "b.cfg", false, {}},
        {"target exists in other case",
         {{"a.cfg", "A"}, {"B.CFG", "B"}},
         "a.cfg",
         "b.cfg",
         false,
         {}},
        {"target is a folder of other case",
         {{"a.cfg", "A"}, {"SUB/", ""}},
         "a.cfg",
         "sub",
         false,
         {}},
        {"missing source", {{"b.cfg", "B"}}, "a.cfg", "c.cfg", false, {}},
        {"missing target folder", {{"a.cfg", "A"}}, "a.cfg", "none\\a.cfg", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        TestFolder folder;
        folder.put(c.before);
        EXPECT_EQ(moveFile(folder.core(c.from).c_str(), folder.core(c.to).c_str()), c.moved);
        EXPECT_EQ(folder.tree(), c.after.empty() ? c.before : c.after);
    }
}

TEST(FileOps, CopyReplacesTheTarget) {
    struct Case {
        const char* title;
        FileTree before;
        const char* from;
        const char* to;
        bool copied;
        FileTree after; // empty: as before
    };
    const Case cases[] = {
        {"new target",
         {{"res/x.air", "tuned"}},
         "RES\\X.AIR",
         "x.air",
         true,
         {{"res/", ""}, {"res/x.air", "tuned"}, {"x.air", "tuned"}}},
        {"longer target of other case",
         {{"x.air", "tuned"}, {"MD-11_ZRK.AIR", "older, longer"}},
         "x.air",
         "md-11_zrk.air",
         true,
         {{"x.air", "tuned"}, {"MD-11_ZRK.AIR", "tuned"}}},
        {"missing source", {{"b.cfg", "B"}}, "a.cfg", "b.cfg", false, {}},
        {"source is a folder", {{"a/", ""}}, "a", "b", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        TestFolder folder;
        folder.put(c.before);
        EXPECT_EQ(copyFile(folder.core(c.from).c_str(), folder.core(c.to).c_str()), c.copied);
        EXPECT_EQ(folder.tree(), c.after.empty() ? c.before : c.after);
    }
}

TEST(FileOps, CopyOntoItselfKeepsTheBytes) {
    TestFolder folder;
    folder.put("aircraft.cfg", "contents");
    copyFile(folder.core("aircraft.cfg").c_str(), folder.core("AIRCRAFT.CFG").c_str());
    EXPECT_EQ(folder.tree(), (FileTree{{"aircraft.cfg", "contents"}}));
}

TEST(FileOps, DeleteRemovesFilesOnly) {
    TestFolder folder;
    folder.put({{"Panel/", ""}, {"Panel/Panel.cfg", "x"}, {"keep.cfg", "k"}});
    EXPECT_TRUE(deleteFile(folder.core("panel\\PANEL.CFG").c_str()));
    EXPECT_FALSE(deleteFile(folder.core("panel").c_str()));
    EXPECT_FALSE(deleteFile(folder.core("missing.cfg").c_str()));
    EXPECT_EQ(folder.tree(), (FileTree{{"Panel/", ""}, {"keep.cfg", "k"}}));
}

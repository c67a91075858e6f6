// The file-operations table as the core relies on it: Windows rules over any native folder.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>

#include "platform/platform.h"
#include "tests/support/test_files.h"

namespace fs = std::filesystem;

namespace {

// "Panel/ Panel/a.cfg=own b.cfg": a folder ends in '/'; a file without "=bytes" holds its own
// name, so its size and its bytes tell which entry was found, moved or copied.
FileTree layout(const std::string& text) {
    FileTree tree;
    std::istringstream entries(text);
    for (std::string entry; entries >> entry;) {
        std::size_t eq = entry.find('=');
        std::string path = entry.substr(0, eq);
        tree[path] = eq != entry.npos ? entry.substr(eq + 1) : path.substr(path.rfind('/') + 1);
    }
    return tree;
}

using FileOp = bool (*)(const char* path, const char* target);
bool writeBytes(const char* path, const char* bytes) {
    RawFile* file = fileOps().openFile(path, FileAccess::write);
    bool written = file != nullptr && fileOps().writeFile(file, bytes, std::strlen(bytes));
    return file != nullptr && fileOps().closeFile(file) && written;
}
bool readable(const char* path, const char*) {
    RawFile* file = fileOps().openFile(path, FileAccess::read);
    return file != nullptr && fileOps().closeFile(file);
}
const FileOp removeFile = [](const char* path, const char*) { return deleteFile(path); };

} // namespace

TEST(FindFirst, PathsAndPatternsGiveTheFirstEntryAsStored) {
    // {entries, asked, expected}: an expected name ending in '/' is a folder's; null: no match.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"a/Bb/cc/Dd.txt", "A\\bB\\.\\CC\\..\\cc\\dD.TXT", "Dd.txt"},
        {"Panel/Panel.cfg", "Panel\\Panel.cfg_ORIGINAL", nullptr},
        {"model.a/ Model/ MODEL.B/", "model.", "Model/"}, // Windows drops a final dot
        {"amodel/ modelb/ Model.A/ MODEL/", "model*", "MODEL/"},
        {"x_a.mdl XA.MDL", "*.mdl", "XA.MDL"}, // letters fold to upper case, before '_'
        // Enough entries that no listing order gives the first by chance; case before bytes.
        {"X_E.mdl x_d.mdl X_C.mdl X_B.mdl x_a.mdl x_f.mdl X_G.mdl a.txt", "*.MDL", "x_a.mdl"},
        {"Model.B/b.mdl Model.B/A.Mdl", "MODEL.b\\*.MDL", "A.Mdl"},
        {"md11.mdl.bak mdl md11.ge.mdl", "md*.mdl", "md11.ge.mdl"}, // the whole name matches
        {"", "*", nullptr},                                         // "." and ".." are no entries
    };
    for (const auto& [entries, asked, expected] : cases) {
        SCOPED_TRACE(asked);
        TestFolder folder;
        folder.put(layout(entries));
        std::string name = expected != nullptr ? expected : "";
        FindResult found{};
        ASSERT_EQ(findFirst(folder.core(asked).c_str(), &found), expected != nullptr);
        EXPECT_EQ(found.name + std::string(found.isDirectory ? "/" : ""), name);
        EXPECT_EQ(found.sizeLow, name.ends_with('/') ? 0 : name.size());
    }
}

TEST(FileOps, ChangeTheFolderAsWindowsWould) {
    // {op, done, entries, path, target or bytes, entries after (null: as before)}, in the folder.
    const std::tuple<FileOp, bool, const char*, const char*, const char*, const char*> cases[] = {
        {writeBytes, true, "SOUND/", "Sound\\sound.cfg", "new", "SOUND/ SOUND/sound.cfg=new"},
        {writeBytes, true, "Panel/a.cfg", "PANEL\\A.CFG", "new", "Panel/ Panel/a.cfg=new"},
        {readable, false, "Panel/", "panel", "", nullptr},
        {moveFile, true, "Panel/a.cfg", "PANEL\\A.cfg", "panel\\A.OLD", "Panel/ Panel/A.OLD=a.cfg"},
        {moveFile, true, "a.cfg Sub/", "A.CFG", "SUB\\a.cfg", "Sub/ Sub/a.cfg"},
        {moveFile, false, "a.cfg b.cfg", "a.cfg", "b.cfg", nullptr},
        {moveFile, false, "a.cfg B.CFG", "a.cfg", "b.cfg", nullptr},
        {moveFile, false, "b.cfg", "a.cfg", "c.cfg", nullptr},
        {copyFile, true, "res/x.air", "RES\\X.AIR", "Res\\y.air", "res/ res/x.air res/y.air=x.air"},
        {copyFile, true, "x.air MD-11.AIR=longer", "x.air", "md-11.air", "x.air MD-11.AIR=x.air"},
        {copyFile, false, "a.cfg", "a.cfg", "A.CFG", nullptr}, // onto itself
        {removeFile, true, "Panel/a.cfg b.cfg", "panel\\A.CFG", "", "Panel/ b.cfg"},
        {removeFile, false, "Panel/", "panel", "", nullptr},
    };
    const fs::path saved = fs::current_path(); // relative paths, as the installer uses
    for (const auto& [op, done, entries, path, target, after] : cases) {
        SCOPED_TRACE(std::string(path) + " " + target);
        TestFolder folder;
        folder.put(layout(entries));
        FileTree before = folder.tree();
        fs::current_path(folder.nativePath());
        EXPECT_EQ(op(path, target), done);
        fs::current_path(saved);
        EXPECT_EQ(folder.tree(), after != nullptr ? layout(after) : before);
    }
}

TEST(FileOps, PathsAreCutToTheCoreField) {
    TestFolder folder;
    folder.put("c");
    for (std::size_t length : {kPathCapacity, kPathCapacity - 1}) {
        // Names of that length: the file is there, only its path is too long.
        std::string a(length - folder.corePath().size(), 'a'), b = a.substr(1) + "b";
        folder.put(a);
        EXPECT_EQ(pathExists(folder.core(a).c_str()), length < kPathCapacity);
        EXPECT_EQ(moveFile(folder.core("c").c_str(), folder.core(b).c_str()),
                  length < kPathCapacity);
    }
}

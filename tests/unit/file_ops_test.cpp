// The file-operations table as the core relies on it: Windows rules over any native folder.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>

#include "platform/platform.h"
#include "tests/support/test_files.h"

namespace fs = std::filesystem;

namespace {

// "Panel/ Panel/a.cfg=own b.cfg a.lnk=->b.cfg c.cfg=!": a folder ends in '/'; a file without
// "=bytes" holds its own name, so its size and its bytes tell which entry was found, moved or
// copied; "=->name" makes a link to that entry, "=!" a read-only file holding its name.
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

void lay(TestFolder& folder, const FileTree& tree) {
    FileTree entries;
    for (const auto& [path, bytes] : tree) {
        entries[path] = bytes.starts_with("->") ? "-> " + bytes.substr(2)
                        : bytes == "!"          ? path
                                                : bytes;
    }
    folder.put(entries);
    for (const auto& [path, bytes] : tree) {
        if (bytes == "!") {
            makeReadOnly(folder.native(path));
        }
    }
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
#if !defined(_WIN32)
        {"Aircraft.cfg=two aircraft.cfg", "aircraft.cfg", "aircraft.cfg"}, // the exact name first
#endif
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

TEST(FileOps, ChangeTheFolderAsWindowsWouldAndNeverThroughALink) {
    // {op, done, entries, path, target or bytes, entries after (null: as before)}, in the folder.
    const std::tuple<FileOp, bool, const char*, const char*, const char*, const char*> cases[] = {
        {writeBytes, true, "SOUND/", "Sound\\sound.cfg", "new", "SOUND/ SOUND/sound.cfg=new"},
        {writeBytes, true, "Panel/a.cfg", "PANEL\\A.CFG", "new", "Panel/ Panel/a.cfg=new"},
        {writeBytes, false, "b.cfg a.cfg=->b.cfg", "a.cfg", "new", nullptr},
        {writeBytes, false, "a.cfg=!", "a.cfg", "new", nullptr},
        {readable, true, "b.cfg a.cfg=->b.cfg", "a.cfg", "", nullptr}, // reading follows links
        {readable, false, "Panel/", "panel", "", nullptr},
        {keepFile, true, "Panel/a.cfg", "PANEL\\A.cfg", "panel\\A.OLD",
         "Panel/ Panel/a.cfg Panel/A.OLD=a.cfg"},
        {keepFile, true, "a.cfg=!", "a.cfg", "k", "a.cfg k=a.cfg"},
        {keepFile, false, "a.cfg B.CFG", "a.cfg", "b.cfg", nullptr},
        {keepFile, false, "b.cfg", "a.cfg", "c.cfg", nullptr},
        {keepFile, false, "b.cfg a.cfg=->b.cfg", "a.cfg", "c.cfg", nullptr},
        {replaceFile, true, "a.cfg b.new=new", "A.CFG", "B.NEW", "a.cfg=new"},
        {replaceFile, true, "b.new", "a.cfg", "b.new", "a.cfg=b.new"},
        {replaceFile, true, "a.cfg=! b.new", "a.cfg", "b.new", "a.cfg=b.new"},
        {replaceFile, false, "a.cfg", "a.cfg", "b.new", nullptr},
        {replaceFile, false, "b.cfg a.cfg=->b.cfg c.new", "a.cfg", "c.new", nullptr},
        {replaceFile, false, "a.cfg b.cfg c.new=->b.cfg", "a.cfg", "c.new", nullptr},
        {copyFile, true, "res/x.air", "RES\\X.AIR", "Res\\y.air", "res/ res/x.air res/y.air=x.air"},
        {copyFile, true, "x.air MD-11.AIR=longer", "x.air", "md-11.air", "x.air MD-11.AIR=x.air"},
        {copyFile, false, "x.air b.cfg y.air=->b.cfg", "x.air", "y.air", nullptr},
        {copyFile, false, "x.air y.air=!", "x.air", "y.air", nullptr},
        {removeFile, true, "Panel/a.cfg b.cfg", "panel\\A.CFG", "", "Panel/ b.cfg"},
        {removeFile, false, "Panel/", "panel", "", nullptr},
        {removeFile, false, "b.cfg a.cfg=->b.cfg", "a.cfg", "", nullptr},
        {removeFile, false, "a.cfg=!", "a.cfg", "", nullptr},
    };
    const fs::path saved = fs::current_path(); // relative paths, as the installer uses
    for (const auto& [op, done, entries, path, target, after] : cases) {
        SCOPED_TRACE(std::string(path) + " " + target);
        TestFolder folder;
        lay(folder, layout(entries));
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
        EXPECT_EQ(replaceFile(folder.core(b).c_str(), folder.core("c").c_str()),
                  length < kPathCapacity);
    }
}

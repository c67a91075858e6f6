// The file-operations table as the core relies on it: Windows rules over any native folder.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>

#include "platform/platform.h"
#include "tests/support/test_files.h"

namespace fs = std::filesystem;

namespace {

// "Panel/ Panel/a.cfg=own b.cfg a.cfg>b.cfg c.cfg!": a folder ends in '/'; a file without "=bytes"
// holds its own name, so its size and its bytes tell which entry was found, moved or copied;
// "a>b" makes a link to b (after b), "c!" a read-only file. Laid out in the folder if one is given.
FileTree layout(const std::string& text, TestFolder* folder = nullptr) {
    FileTree tree;
    std::istringstream entries(text);
    for (std::string entry; entries >> entry;) {
        const std::size_t mark = std::min(entry.find_first_of("=>!"), entry.size());
        const std::string path = entry.substr(0, mark), rest = entry.substr(mark);
        tree[path] = rest[0] == '='   ? rest.substr(1)
                     : rest[0] == '>' ? "-> " + rest.substr(1)
                                      : path.substr(path.rfind('/') + 1);
        if (folder != nullptr) {
            folder->put(path, tree[path]);
            rest == "!" ? makeReadOnly(folder->native(path)) : void();
        }
    }
    return tree;
}

using FileOp = bool (*)(const char* path, const char* target);
// Finds the entry of that name (a folder's ending in '/'), its size telling which one it is.
const FileOp find = [](const char* path, const char* name) {
    FindResult found{};
    return findFirst(path, &found) &&
           found.name + std::string(found.isDirectory ? "/" : "") == name &&
           found.sizeLow == (found.isDirectory ? 0 : std::strlen(name));
};
const FileOp writeBytes = [](const char* path, const char* bytes) {
    RawFile* file = fileOps().openFile(path, FileAccess::write);
    const bool written = file != nullptr && fileOps().writeFile(file, bytes, std::strlen(bytes));
    return file != nullptr && fileOps().closeFile(file) && written;
};
const FileOp readable = [](const char* path, const char*) {
    RawFile* file = fileOps().openFile(path, FileAccess::read);
    return file != nullptr && fileOps().closeFile(file);
};
const FileOp removeFile = [](const char* path, const char*) { return deleteFile(path); };

} // namespace

TEST(FileOps, ResolveAndChangeTheFolderAsWindowsWouldAndNeverThroughALink) {
    // {op, done, entries, path, target or bytes, entries after (null: as before)}, in the folder.
    const std::tuple<FileOp, bool, const char*, const char*, const char*, const char*> cases[] = {
        {find, true, "a/Bb/cc/Dd.txt", "A\\bB\\.\\CC\\..\\cc\\dD.TXT", "Dd.txt", nullptr},
        {find, false, "Panel/Panel.cfg", "Panel\\Panel.cfg_ORIGINAL", "", nullptr},
        {find, true, "model.a/ Model/ MODEL.B/", "model.", "Model/", nullptr}, // a final dot goes
        {find, true, "amodel/ modelb/ Model.A/ MODEL/", "model*", "MODEL/", nullptr},
        {find, true, "x_a.mdl XA.MDL", "*.mdl", "XA.MDL", nullptr}, // folded to upper case, < '_'
        // Enough entries that no listing order gives the first by chance; case before bytes.
        {find, true, "X_E.mdl x_d.mdl X_C.mdl X_B.mdl x_a.mdl x_f.mdl X_G.mdl a.txt", "*.MDL",
         "x_a.mdl", nullptr},
        {find, true, "Model.B/b.mdl Model.B/A.Mdl", "MODEL.b\\*.MDL", "A.Mdl", nullptr},
        {find, true, "md11.mdl.bak mdl md11.ge.mdl", "md*.mdl", "md11.ge.mdl", nullptr},
        {find, false, "", "*", "", nullptr}, // "." and ".." are no entries
#if !defined(_WIN32)
        {find, true, "Aircraft.cfg=two aircraft.cfg", "aircraft.cfg", "aircraft.cfg", nullptr},
#endif
        {writeBytes, true, "SOUND/", "Sound\\sound.cfg", "new", "SOUND/ SOUND/sound.cfg=new"},
        {writeBytes, true, "Panel/a.cfg", "PANEL\\A.CFG", "new", "Panel/ Panel/a.cfg=new"},
        {writeBytes, false, "b.cfg a.cfg>b.cfg", "a.cfg", "new", nullptr},
        {writeBytes, false, "a.cfg!", "a.cfg", "new", nullptr},
        {readable, true, "b.cfg a.cfg>b.cfg", "a.cfg", "", nullptr}, // reading follows links
        {readable, false, "Panel/", "panel", "", nullptr},
        {keepFile, true, "Panel/a.cfg", "PANEL\\A.cfg", "panel\\A.OLD",
         "Panel/ Panel/a.cfg Panel/A.OLD=a.cfg"},
        {keepFile, true, "a.cfg!", "a.cfg", "k", "a.cfg k=a.cfg"},
        {keepFile, false, "a.cfg B.CFG", "a.cfg", "b.cfg", nullptr},
        {keepFile, false, "b.cfg", "a.cfg", "c.cfg", nullptr},
        {keepFile, false, "b.cfg a.cfg>b.cfg", "a.cfg", "c.cfg", nullptr},
        {replaceFile, true, "a.cfg b.new=new", "A.CFG", "B.NEW", "a.cfg=new"},
        {replaceFile, true, "b.new", "a.cfg", "b.new", "a.cfg=b.new"},
        {replaceFile, true, "a.cfg! b.new", "a.cfg", "b.new", "a.cfg=b.new"},
        {replaceFile, false, "a.cfg", "a.cfg", "b.new", nullptr},
        {replaceFile, false, "b.cfg a.cfg>b.cfg c.new", "a.cfg", "c.new", nullptr},
        {replaceFile, false, "a.cfg b.cfg c.new>b.cfg", "a.cfg", "c.new", nullptr},
        {copyFile, true, "res/x.air", "RES\\X.AIR", "Res\\y.air", "res/ res/x.air res/y.air=x.air"},
        {copyFile, true, "x.air MD-11.AIR=longer", "x.air", "md-11.air", "x.air MD-11.AIR=x.air"},
        {copyFile, false, "x.air b.cfg y.air>b.cfg", "x.air", "y.air", nullptr},
        {copyFile, false, "x.air y.air!", "x.air", "y.air", nullptr},
        {removeFile, true, "Panel/a.cfg b.cfg", "panel\\A.CFG", "", "Panel/ b.cfg"},
        {removeFile, false, "Panel/", "panel", "", nullptr},
        {removeFile, false, "b.cfg a.cfg>b.cfg", "a.cfg", "", nullptr},
        {removeFile, false, "a.cfg!", "a.cfg", "", nullptr},
    };
    const fs::path saved = fs::current_path(); // relative paths, as the installer uses
    for (const auto& [op, done, entries, path, target, after] : cases) {
        SCOPED_TRACE(std::string(path) + " " + target);
        TestFolder folder;
        layout(entries, &folder);
        FileTree before = folder.tree();
        fs::current_path(folder.nativePath());
        EXPECT_EQ(op(path, target), done);
        fs::current_path(saved);
        EXPECT_EQ(folder.tree(), after != nullptr ? layout(after) : before);
    }
}

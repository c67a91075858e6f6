// Find-first of a plain path and of a pattern, path lengths, and paths relative to the current
// directory: what the scanner, the identification and the commands build their tests on.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/support/test_files.h"

namespace fs = std::filesystem;

TEST(FindFirst, PlainPathGivesTheEntryAsStored) {
    TestFolder folder;
    folder.put({{"Panel/", ""}, {"Panel/Panel.CFG", "7 bytes"}, {"Model.B/", ""}});
    FindResult found;
    ASSERT_TRUE(findFirst(folder.core("panel\\panel.cfg").c_str(), &found));
    EXPECT_STREQ(found.name, "Panel.CFG");
    EXPECT_EQ(found.sizeLow, 7u);
    EXPECT_FALSE(found.isDirectory);
    ASSERT_TRUE(findFirst(folder.core("MODEL.b").c_str(), &found));
    EXPECT_STREQ(found.name, "Model.B");
    EXPECT_TRUE(found.isDirectory);
    EXPECT_FALSE(pathExists(folder.core("Panel\\Panel.cfg_ORIGINAL").c_str()));
    EXPECT_FALSE(pathExists(folder.core("none\\Panel.cfg").c_str()));
}

TEST(FindFirst, SizeIsTheLowThirtyTwoBits) {
    TestFolder folder;
    const std::uintmax_t fourGiB = std::uintmax_t{1} << 32;
    std::error_code error;
    folder.put("big.mdl");
    fs::resize_file(folder.native("big.mdl"), fourGiB + 5, error);
    if (error) {
        GTEST_SKIP() << "no sparse file of 4 GiB here: " << error.message();
    }
    FindResult found;
    ASSERT_TRUE(findFirst(folder.core("BIG.MDL").c_str(), &found));
    EXPECT_EQ(found.sizeLow, 5u);
    ASSERT_TRUE(findFirst(folder.core("*.mdl").c_str(), &found));
    EXPECT_EQ(found.sizeLow, 5u);
}

TEST(FindFirst, PatternGivesTheFirstMatchInCaseInsensitiveOrder) {
    struct Case {
        const char* title;
        std::vector<const char*> entries; // a folder ends in '/'; a file holds its own name
        const char* pattern;
        const char* expected; // null: nothing matches
    };
    const Case cases[] = {
        {"model value", {"model.a/", "Model.B/", "MODEL/"}, "model.b", "Model.B"},
        {"empty model value", {"model.a/", "Model/"}, "model.", "Model"},
        {"model*", {"amodel/", "modelb/", "Model.A/", "MODEL/"}, "model*", "MODEL"},
        {"case before bytes", {"X_B.mdl", "x_a.mdl", "readme.txt"}, "*.mdl", "x_a.mdl"},
        // Enough entries that no listing order gives the first by chance.
        {"first of many",
         {"X_E.mdl", "x_d.mdl", "X_C.mdl", "x_b.mdl", "X_A.mdl", "x_f.mdl", "X_G.mdl"},
         "*.MDL",
         "X_A.mdl"},
        {"letters before underscore", {"x_a.mdl", "XA.MDL"}, "*.mdl", "XA.MDL"},
        {"inside a folder of other case",
         {"Model.B/", "Model.B/b.mdl", "Model.B/A.Mdl"},
         "MODEL.b\\*.MDL",
         "A.Mdl"},
        {"? is one character", {"ab.mdl", "b.MDL"}, "?.mdl", "b.MDL"},
        {"* in the middle", {"md11.mdl.bak", "md11_ge.mdl"}, "md*.mdl", "md11_ge.mdl"},
        {"whole name only", {"a.mdl.bak", "mdl", "amdl"}, "*.mdl", nullptr},
        {"model value missing", {"model.abc/", "model/"}, "model.xyz", nullptr},
        {"empty folder", {}, "*", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        TestFolder folder;
        bool expectFolder = false;
        for (std::string entry : c.entries) {
            bool isFolder = entry.back() == '/';
            std::string name =
                fs::path(isFolder ? entry.substr(0, entry.size() - 1) : entry).filename().string();
            folder.put(entry, name);
            expectFolder |= isFolder && c.expected != nullptr && name == c.expected;
        }
        FindResult found;
        bool matched = findFirst(folder.core(c.pattern).c_str(), &found);
        ASSERT_EQ(matched, c.expected != nullptr);
        if (matched) {
            EXPECT_STREQ(found.name, c.expected);
            EXPECT_EQ(found.isDirectory, expectFolder);
            EXPECT_EQ(found.sizeLow, expectFolder ? 0u : std::strlen(c.expected));
        }
    }
}

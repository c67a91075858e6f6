// The fault-injecting test back end: the chosen call fails and changes nothing, the calls
// around it work, and the live table is whole again afterwards.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/platform.h"
#include "platform/text_file.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/test_files.h"

TEST(FailingFileOps, FailsOnlyTheChosenCall) {
    struct Case {
        const char* title;
        void (FailingFileOps::*choose)(unsigned);
        FileCall kind;
        // Runs the operation for the nth time (1, 2, 3) and says whether it worked.
        std::function<bool(const TestFolder&, int)> run;
    };
    const Case cases[] = {
        {"open", &FailingFileOps::failOpenNumber, FileCall::open,
         [](const TestFolder& folder, int n) {
             std::string name = folder.core("new" + std::to_string(n) + ".cfg");
             return closeTextFile(openTextFile(name.c_str(), TextFileMode::write)) &&
                    pathExists(name.c_str());
         }},
        {"move", &FailingFileOps::failMoveNumber, FileCall::move,
         [](const TestFolder& folder, int n) {
             std::string from = folder.core("src" + std::to_string(n) + ".cfg");
             return moveFile(from.c_str(), (from + "_ORIGINAL").c_str());
         }},
        {"copy", &FailingFileOps::failCopyNumber, FileCall::copy,
         [](const TestFolder& folder, int n) {
             std::string from = folder.core("src" + std::to_string(n) + ".cfg");
             return copyFile(from.c_str(), (from + "_copy").c_str());
         }},
        {"delete", &FailingFileOps::failDeleteNumber, FileCall::remove,
         [](const TestFolder& folder, int n) {
             return deleteFile(folder.core("src" + std::to_string(n) + ".cfg").c_str());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        TestFolder folder;
        folder.put({{"src1.cfg", "1"}, {"src2.cfg", "2"}, {"src3.cfg", "3"}});
        FileTree before;
        {
            FailingFileOps failing;
            (failing.*c.choose)(2);
            EXPECT_TRUE(c.run(folder, 1));
            before = folder.tree();
            EXPECT_FALSE(c.run(folder, 2));
            EXPECT_EQ(folder.tree(), before);
            EXPECT_TRUE(c.run(folder, 3));
            EXPECT_EQ(failing.callCount(c.kind), 3u);
        }
        // The wrapper is gone: the second call works now.
        EXPECT_TRUE(c.run(folder, 2));
    }
}

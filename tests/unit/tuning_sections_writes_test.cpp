// How the flight-model sections reach the file: the lines that depend on the state go out as
// writes of their own, and a failed write stops the writer with nothing written after it.
#include "install/tuning_sections.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/tuning_output.h"

namespace {

struct WritesCase {
    const char* family;
    TuningState state;
    std::vector<std::string> ownWrites; // keys whose line is a write of its own
};

const WritesCase kCases[] = {
    {"Corvane", {2}, {"toe_brakes_scale"}},
    {"iFDG", {3, 2, 2, 2, 0, 0, 1}, {"toe_brakes_scale", "static_thrust", "fuel_flow_scalar"}},
    {"Overland", {4}, {"toe_brakes_scale"}},
};

class TuningWrites : public ::testing::TestWithParam<WritesCase> {};

std::string caseName(const ::testing::TestParamInfo<WritesCase>& info) {
    return info.param.family;
}

// A raw write that holds exactly one line, stored with CR LF, starting with key.
bool isOneLineWrite(const std::string& write, const std::string& key) {
    return write.starts_with(key) && write.ends_with("\r\n") &&
           write.find('\n') == write.size() - 1;
}

TEST_P(TuningWrites, WritesTheVaryingLinesOnTheirOwn) {
    setTuningState(GetParam().state);
    WriteProbe probe(0);
    ASSERT_EQ(writeTuningFile().result, resultOk);
    for (const std::string& key : GetParam().ownWrites) {
        int count = 0;
        for (const std::string& write : probe.written()) {
            count += isOneLineWrite(write, key) ? 1 : 0;
        }
        EXPECT_EQ(count, 1) << key;
    }
}

TEST_P(TuningWrites, StopsAtTheFirstFailedWrite) {
    setTuningState(GetParam().state);
    std::string whole;
    int total = 0;
    {
        WriteProbe counting(0);
        WrittenFile file = writeTuningFile();
        ASSERT_EQ(file.result, resultOk);
        whole = file.bytes;
        total = counting.attempts();
    }
    ASSERT_GT(total, 2);
    for (int failing = 1; failing <= total; ++failing) {
        SCOPED_TRACE("raw write " + std::to_string(failing) + " of " + std::to_string(total));
        WriteProbe probe(failing);
        WrittenFile file = writeTuningFile();
        EXPECT_EQ(file.result, ioFailure);
        // No write is tried after the failed one, and what came before it stays.
        EXPECT_EQ(probe.attempts(), failing);
        EXPECT_LT(file.bytes.size(), whole.size());
        EXPECT_TRUE(whole.starts_with(file.bytes));
        if (failing == 1) {
            EXPECT_EQ(file.bytes, "");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EachFamily, TuningWrites, ::testing::ValuesIn(kCases), caseName);

} // namespace

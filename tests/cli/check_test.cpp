// tintora-cli check on hand-edited files: each .pal under tests/data/check beside its
// .expected, which gives the exit code ("exit: N") and then every finding with its line.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

namespace fs = std::filesystem;

TEST(CheckTest, EveryFindingOnItsLine) {
    int files = 0;
    for (const auto& entry : fs::directory_iterator(TINTORA_TEST_DATA_DIR "/check")) {
        if (entry.path().extension() != ".pal") {
            continue;
        }
        const std::string file = entry.path().string();
        SCOPED_TRACE(file);
        std::string expected = ReadBytes(fs::path(file).replace_extension(".expected").string());
        const std::size_t firstLine = expected.find('\n') + 1;
        const int exitCode = std::stoi(expected.substr(6, firstLine));
        std::string expectedOut;
        for (std::size_t at = firstLine, end; at < expected.size(); at = end + 1) {
            end = expected.find('\n', at);
            expectedOut += file + ":" + expected.substr(at, end - at + 1);
        }
        const CliRun run = RunCli({"check", file});
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, expectedOut);
        ++files;
    }
    EXPECT_GE(files, 1);
    // Standard input is read as well, and named "-".
    const CliRun piped = RunCli({"check", "-"}, {}, TINTORA_TEST_DATA_DIR "/check/one_of_each.pal");
    EXPECT_EQ(piped.exitCode, 1);
    EXPECT_EQ(piped.out.substr(0, 4), "-:21");
}

} // namespace

// tintora-cli check on a hand-edited file holding one of each finding, with their lines.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

const std::string kDataDir = std::string(TINTORA_TEST_DATA_DIR) + "/";

TEST(CheckTest, AHandEditedFileGetsEveryFindingOnItsLine) {
    const std::string file = kDataDir + "check/one_of_each.pal";
    const CliRun run = RunCli({"check", file});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> expected = {
        "21: pen line before the first palette header; the editor ignores it",
        "22: neither a comment, a palette header nor a pen line; the editor ignores this line",
        "30: light red 300 is outside 0-255; the editor uses 44",
        "31: light red \"12abc\" is not a plain number; the editor uses 12",
        "32: pen line has 4 of 7 fields; the editor uses 0 for dark red, dark green and dark "
        "blue",
        "35: pen number 256 is outside 0-255; the editor ignores this line",
        "36: pen number -1 is outside 0-255; the editor ignores this line",
        "37: pen 9 is listed again; this line replaces line 34",
        "38: pen number \"guin\" is not a plain number; the editor reads pen 0",
        "38: pen 0 is listed again; this line replaces line 25",
        "39: neither a comment, a palette header nor a pen line; the editor ignores this line",
        "40: pen line has 8 fields; the editor ignores those after the seventh",
        "41: light red is empty; the editor uses 0",
        "287: \"#\" starts a comment in this palette header; the editor reads the name "
        "\"Second\" and the description \"\"",
        "287: palette \"Second\" does not list pens 0, 3-255; the editor gives them the default "
        "colours",
        "291: palette name \"Main\" is used again (first on line 24)",
        "291: palette \"Main\" does not list pens 1-255; the editor gives them the default "
        "colours",
    };
    std::string expectedOut;
    for (const std::string& finding : expected) {
        expectedOut += file + ":" + finding + "\n";
    }
    EXPECT_EQ(run.out, expectedOut);
}

} // namespace

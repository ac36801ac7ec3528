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
        "21: error: pen line before the first palette header; the editor ignores it",
        "22: error: neither a comment, a palette header nor a pen line; the editor ignores this "
        "line",
        "30: warning: light red 300 is outside 0-255; the editor uses 44",
        "31: warning: light red \"12abc\" is not a plain number; the editor uses 12",
        "32: warning: pen line has 4 of 7 fields; the editor uses 0 for dark red, dark green and "
        "dark "
        "blue",
        "35: error: pen number 256 is outside 0-255; the editor ignores this line",
        "36: error: pen number -1 is outside 0-255; the editor ignores this line",
        "37: warning: pen 9 is listed again; this line replaces line 34",
        "38: warning: pen number \"guin\" is not a plain number; the editor reads pen 0",
        "38: warning: pen 0 is listed again; this line replaces line 25",
        "39: error: neither a comment, a palette header nor a pen line; the editor ignores this "
        "line",
        "40: warning: pen line has 8 fields; the editor ignores those after the seventh",
        "41: warning: light red is empty; the editor uses 0",
        "287: warning: \"#\" starts a comment in this palette header; the editor reads the name "
        "\"Second\" and the description \"\"",
        "287: warning: palette \"Second\" does not list pens 0, 3-255; the editor gives them the "
        "default "
        "colours",
        "291: warning: palette name \"Main\" is used again (first on line 24)",
        "291: warning: palette \"Main\" does not list pens 1-255; the editor gives them the "
        "default "
        "colours",
        "293: warning: palette name \"Gr\xc3\x83\xc2\xbcn\" looks like UTF-8 (\"Gr\xc3\xbcn\"); "
        "the "
        "editor reads Windows-1252",
        "293: warning: description \"Caf\xc3\x83\xc2\xa9\" looks like UTF-8 (\"Caf\xc3\xa9\"); the "
        "editor reads Windows-1252",
        // Reported once the palette's end is known, so after the findings on its lines.
        "293: warning: palette \"Gr\xc3\x83\xc2\xbcn\" does not list pens 0-255; the editor gives "
        "them the default colours",
        "294: warning: palette \"C1\\x81\" does not list pens 0-255; the editor gives them the "
        "default colours",
    };
    std::string expectedOut;
    for (const std::string& finding : expected) {
        expectedOut += file + ":" + finding + "\n";
    }
    EXPECT_EQ(run.out, expectedOut);
    // Standard input is read as well, and named "-".
    const CliRun piped = RunCli({"check", "-"}, {}, file);
    EXPECT_EQ(piped.exitCode, 1);
    EXPECT_EQ(piped.out.substr(0, 4), "-:21");
}

} // namespace

// tintora-cli check: every kind of finding with its line, clean files, exit codes; and that
// the values it announces are the ones the reader really uses.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_runner.h"

namespace fs = std::filesystem;

namespace {

const std::string kDataDir = std::string(TINTORA_TEST_DATA_DIR) + "/";

class CheckTest : public testing::Test {
protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        m_dir =
            testing::TempDir() + "tintora_check_" + std::to_string(getpid()) + "_" + info->name();
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string path = m_dir + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::string m_dir;
};

// The default palette as the editor writes it, split into its CR LF lines.
std::vector<std::string> DefaultLines() {
    const std::string bytes = ReadBytes(kDataDir + "default_palette.pal");
    std::vector<std::string> lines;
    for (std::size_t begin = 0; begin < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", begin);
        lines.push_back(bytes.substr(begin, end - begin));
        begin = end + 2;
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, const std::string& lineEnd) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + lineEnd;
    }
    return text;
}

// Line numbers (from 1) of the default file's header and of its line for pen 0.
constexpr std::size_t kHeaderLine = 21;
constexpr std::size_t kPen0Line = 22;

TEST_F(CheckTest, AHandEditedFileGetsEveryFindingOnItsLine) {
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

// What check announces is what the editor reads (through dump, which reads as the editor).
TEST_F(CheckTest, AnnouncedValuesAreTheOnesTheReaderUses) {
    const CliRun run = RunCli({"dump", kDataDir + "check/one_of_each.pal"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json light = nlohmann::json::parse(run.out).at("palettes").at(0).at("light");
    EXPECT_EQ(light.at(0), "#010203");  // from the Penguin line
    EXPECT_EQ(light.at(5), "#2c0000");  // 300 keeps 44
    EXPECT_EQ(light.at(6), "#0c0000");  // 12abc reads 12
    EXPECT_EQ(light.at(9), "#090909");  // the later line wins
    EXPECT_EQ(light.at(11), "#000000"); // the empty component reads 0
}

TEST_F(CheckTest, OneChangedLineGivesOneFinding) {
    struct Case {
        std::size_t pen; // whose line is replaced
        std::string line;
        std::string finding; // empty: the file stays clean
    };
    const std::vector<Case> cases = {
        {7, "pen7, 1, 2, 3, 4, 5, 6", ""},
        {7, "PEN 7 ,1,2,3,4,5,6   # a comment", ""},
        {7, "\t Pen7, +1, 002, 3, 4, 5, 6", ""},
        {7, "Pen7, 1, 2, 3, 4, 5, -1", "dark blue -1 is outside 0-255; the editor uses 255"},
        {7, "Pen7, 1, 2, 3, 4, 99999999999, 6",
         "dark green 99999999999 is outside 0-255; the editor uses 255"},
        {7, "Pen7, 1, 2 5, 3, 4, 5, 6",
         "light green \"2 5\" is not a plain number; the editor uses 2"},
        {7, "Pen7x, 1, 2, 3, 4, 5, 6",
         "pen number \"7x\" is not a plain number; the editor reads pen 7"},
        {0, "Pen, 1, 2, 3, 4, 5, 6", "pen line without a pen number; the editor reads pen 0"},
        {7, "Pen7",
         "pen line has 1 of 7 fields; the editor uses 0 for light red, light green, "
         "light blue, dark red, dark green and dark blue"},
        {7, "Pen7, 1, 2\x01, 3, 4, 5, 6",
         "light green \"2\\x01\" is not a plain number; the editor uses 2"},
    };
    std::vector<std::string> lines = DefaultLines();
    ASSERT_EQ(lines.size(), kPen0Line + 256);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::vector<std::string> changed = lines;
        changed[kPen0Line - 1 + c.pen] = c.line;
        const std::string file = Write("one.pal", Joined(changed, "\r\n"));
        const CliRun run = RunCli({"check", file});
        const std::string line = std::to_string(kPen0Line + c.pen);
        EXPECT_EQ(run.out, c.finding.empty() ? "" : file + ":" + line + ": " + c.finding + "\n");
        EXPECT_EQ(run.exitCode, c.finding.empty() ? 0 : 1);
    }
}

TEST_F(CheckTest, FilesTheEditorReadsAsWrittenAreClean) {
    std::vector<std::string> lines = DefaultLines();
    std::vector<std::string> indented = lines;
    indented[kHeaderLine - 1] = "  " + indented[kHeaderLine - 1];
    std::vector<std::string> twoPalettes = lines;
    twoPalettes.insert(twoPalettes.end(), lines.begin() + kHeaderLine - 1, lines.end());
    twoPalettes[kHeaderLine - 1 + 256 + 2] = "*Second,Default palette, again";
    const std::string lf = Joined(lines, "\n");
    struct Case {
        const char* what;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"written by the editor", Joined(lines, "\r\n")},
        {"LF line ends", lf},
        {"no final line end", lf.substr(0, lf.size() - 2)},
        {"indented header", Joined(indented, "\r\n")},
        {"two palettes, comma in a description", Joined(twoPalettes, "\r\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CliRun run = RunCli({"check", Write("clean.pal", c.bytes)});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out + run.err, "");
    }
    // What tintora-cli default writes, too.
    const std::string written = m_dir + "/default.pal";
    ASSERT_EQ(RunCli({"default", written}).exitCode, 0);
    const CliRun run = RunCli({"check", written});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out + run.err, "");
}

TEST_F(CheckTest, FilesNamingNoPaletteAreReportedForTheWholeFile) {
    struct Case {
        const char* what;
        std::string bytes;
        std::string findings; // after "FILE"
    };
    const std::string noHeader = ": no palette header; the editor cannot open this file\n";
    const std::vector<Case> cases = {
        {"empty", "", noHeader},
        {"comments only", "# nothing\r\n\r\n", noHeader},
        {"old Mac line ends", "# Palette File\r*Main,Pens\rPen0, 0, 0, 0, 0, 0, 0\r",
         noHeader + ":1: carriage return without a line feed; the editor reads on to the next "
                    "line feed as one line\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = Write("none.pal", c.bytes);
        const CliRun run = RunCli({"check", file});
        EXPECT_EQ(run.exitCode, 1);
        std::string expected;
        for (std::size_t begin = 0; begin < c.findings.size();) {
            const std::size_t end = c.findings.find('\n', begin) + 1;
            expected += file + c.findings.substr(begin, end - begin);
            begin = end;
        }
        EXPECT_EQ(run.out, expected);
    }
}

TEST_F(CheckTest, UnreadableFilesExitTwo) {
    for (const std::string& file : {m_dir + "/missing.pal", m_dir}) {
        SCOPED_TRACE(file);
        const CliRun run = RunCli({"check", file});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Cannot read palette file " + file + ": "), std::string::npos)
            << run.err;
    }
    const CliRun usage = RunCli({"check"});
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_NE(usage.err.find("Usage:"), std::string::npos) << usage.err;
}

} // namespace

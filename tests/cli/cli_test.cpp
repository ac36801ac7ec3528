// tintora-cli run as a process on hand-written fixtures: output, exit codes, messages, and
// that a failed command leaves every file as it was.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_runner.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

const std::string kDataDir = std::string(TINTORA_TEST_DATA_DIR) + "/cli/";
const char* const kOpenFailed = "Failed to open selected palette file";
const char* const kNoNames = "Failed to read name list from selected palette file";
const char* const kWriteFailed = "Failed to open palette file for writing";
const char* const kIniRefused = "Cannot read INI file";

std::string Fixture(const std::string& name) {
    return kDataDir + name;
}

// Each test works in a folder of its own, which the failure tests compare before and after.
class CliTest : public testing::Test {
protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        m_dir = testing::TempDir() + "tintora_cli_" + std::to_string(getpid()) + "_" + info->name();
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return m_dir + "/" + name; }

    void CopyFixture(const std::string& name) const {
        fs::copy_file(Fixture(name), Path(name), fs::copy_options::overwrite_existing);
    }

    // Arguments starting with "@" name a file in the test's folder.
    CliRun Run(std::vector<std::string> args, const std::string& stdoutPath = {}) const {
        for (std::string& arg : args) {
            if (!arg.empty() && arg[0] == '@') {
                arg = Path(arg.substr(1));
            }
        }
        return RunCli(args, stdoutPath);
    }

    // Every file in the test's folder with its content, folders marked as such.
    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(m_dir)) {
            files[entry.path().string()] =
                entry.is_directory() ? "<folder>" : ReadBytes(entry.path().string());
        }
        return files;
    }

    // The parsed output of a successful dump of path.
    json Dump(const std::string& path) const {
        const CliRun run = RunCli({"dump", path});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        json document = json::parse(run.out, nullptr, false);
        EXPECT_FALSE(document.is_discarded()) << "not JSON: " << run.out.substr(0, 200);
        return document;
    }

    std::string m_dir;
};

std::vector<std::string> Names(const json& document) {
    std::vector<std::string> names;
    for (const json& palette : document.at("palettes")) {
        names.push_back(palette.at("name").get<std::string>());
    }
    return names;
}

struct PenColours {
    int pen;
    const char* light;
    const char* dark;
};

void ExpectPens(const json& palette, const std::vector<PenColours>& pens) {
    for (const PenColours& pen : pens) {
        SCOPED_TRACE("pen " + std::to_string(pen.pen));
        EXPECT_EQ(palette.at("light").at(pen.pen), pen.light);
        EXPECT_EQ(palette.at("dark").at(pen.pen), pen.dark);
    }
}

TEST_F(CliTest, WrongUsageExitsTwoWithTheUsage) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"--frobnicate"},
        {"default"},
        {"dump"},
        {"dump", "@a.pal", "@b.pal"},
        {"import", "@legacy.ini"},
        {"import", "@legacy.ini", "@a.pal", "@b.pal"},
        {"default", "dump", "@a.pal"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(testing::PrintToString(args));
        const CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find("Usage:"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_TRUE(fs::is_empty(m_dir)) << "a usage error created a file";
}

TEST_F(CliTest, HelpAndVersionExitZero) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> shown;
    };
    const std::vector<Case> cases = {
        {{"--help"}, {"Usage:", "default", "dump", "import", "--version"}},
        {{"-h"}, {"Usage:", "default", "dump", "import"}},
        {{"dump", "--help"}, {"Usage:", "dump", "FILE"}},
        {{"import", "--help"}, {"Usage:", "import", "INI", "FILE"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const CliRun run = Run(c.args);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, "");
        for (const std::string& text : c.shown) {
            EXPECT_NE(run.out.find(text), std::string::npos) << text << " missing in\n" << run.out;
        }
    }
    const CliRun version = Run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string("tintora-cli ") + TINTORA_VERSION + "\n");
}

TEST_F(CliTest, DefaultWritesTheDocumentedBytesOverAnyOldContent) {
    const std::string expected = ReadBytes(Fixture("default.pal"));
    ASSERT_FALSE(expected.empty());
    // First a new file, then over a longer file, which must not leave a tail behind.
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "new file" : "existing file");
        const CliRun run = Run({"default", "@x.pal"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out + run.err, "");
        EXPECT_EQ(ReadBytes(Path("x.pal")), expected);
        std::ofstream(Path("x.pal"), std::ios::binary) << expected << expected;
    }
}

TEST_F(CliTest, DefaultThenDumpGivesTheBuiltInPalette) {
    // A non-ASCII file name under the C locale: paths are bytes, never the locale's.
    const std::string file = Path("Gr\xc3\xbcne Stifte.pal");
    ASSERT_EQ(RunCli({"default", file}).exitCode, 0);
    const json document = Dump(file);
    ASSERT_EQ(document.at("palettes").size(), 1u);
    const json& palette = document["palettes"][0];
    EXPECT_EQ(palette.at("name"), "Default");
    EXPECT_EQ(palette.at("description"), "Default palette");
    const std::regex hex("#[0-9a-f]{6}");
    for (const char* variant : {"light", "dark"}) {
        ASSERT_EQ(palette.at(variant).size(), 256u) << variant;
        for (const json& colour : palette[variant]) {
            EXPECT_TRUE(std::regex_match(colour.get<std::string>(), hex)) << colour;
        }
    }
    ExpectPens(palette, {{0, "#000000", "#ffffff"},
                         {1, "#ff0000", "#ff0000"},
                         {12, "#ffffff", "#ffffff"},
                         {14, "#000000", "#000000"},
                         {15, "#c0c0c0", "#c0c0c0"},
                         {16, "#550000", "#550000"},
                         {100, "#3fbf4c", "#3fbf4c"},
                         {255, "#ffaaab", "#ffaaab"}});
}

TEST_F(CliTest, DumpListsEveryPaletteInFileOrder) {
    const json document = Dump(Fixture("three_palettes.pal"));
    ASSERT_EQ(Names(document), (std::vector<std::string>{"Alpha", "Twin", "Twin"}));
    const json& palettes = document["palettes"];
    EXPECT_EQ(palettes[0].at("description"), "First of three");
    EXPECT_EQ(palettes[1].at("description"), "Second of three");
    EXPECT_EQ(palettes[2].at("description"), "Third of three");
    ExpectPens(palettes[0],
               {{0, "#010203", "#040506"}, {1, "#ff0000", "#00ff00"}, {255, "#0a141e", "#28323c"}});
    ExpectPens(palettes[1], {{1, "#112233", "#445566"}, {2, "#abcdef", "#fedcba"}});
    ExpectPens(palettes[2], {{1, "#0000ff", "#ffff00"}});
}

TEST_F(CliTest, DumpGivesWindows1252NamesAsUtf8) {
    const json document = Dump(Fixture("eight_bit_names.pal"));
    struct Expected {
        const char* name;
        const char* description;
    };
    const std::vector<Expected> expected = {
        {"Gr\xc3\xbcn", "Caf\xc3\xa9 \xe2\x82\xac 5"},
        // Curly quotes from 0x93/0x94, then 0x81 (undefined, kept as U+0081), 0xA0, 0xFF.
        {"\xe2\x80\x9cQuoted\xe2\x80\x9d \xc2\x81\xc2\xa0\xc3\xbf",
         "\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d"},
    };
    ASSERT_EQ(document.at("palettes").size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(document["palettes"][i].at("name"), expected[i].name) << i;
        EXPECT_EQ(document["palettes"][i].at("description"), expected[i].description) << i;
    }
}

TEST_F(CliTest, DumpToAFullDiskFails) {
    const CliRun run = RunCli({"dump", Fixture("default.pal")}, "/dev/full");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Failed to write to standard output"), std::string::npos) << run.err;
}

TEST_F(CliTest, ImportCreatesAFileHoldingOnlyTheImportedPalette) {
    CopyFixture("legacy.ini");
    const CliRun run = Run({"import", "@legacy.ini", "@new.pal"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");

    const std::string header = ReadBytes(Fixture("default.pal")).substr(0, 1000);
    const std::string written = ReadBytes(Path("new.pal"));
    EXPECT_EQ(written.substr(0, written.find('*')), header.substr(0, header.find('*')));

    const json document = Dump(Path("new.pal"));
    ASSERT_EQ(document.at("palettes").size(), 1u);
    const json& palette = document["palettes"][0];
    EXPECT_EQ(palette.at("name"), "Veldra 3");
    EXPECT_EQ(palette.at("description"), "Imported Veldra 3 palette");
    ExpectPens(palette, {{0, "#000000", "#ffffff"},    // pen0 in the INI is not read
                         {1, "#ff0000", "#ff0000"},    // 255 0 0
                         {2, "#0080ff", "#0080ff"},    // 0 128 255
                         {7, "#000000", "#000000"},    // no key: black
                         {15, "#00ff2c", "#00ff2c"},   // 256 -1 300: low 8 bits
                         {16, "#550000", "#550000"}}); // pen16 in the INI is not read
}

TEST_F(CliTest, ImportAppendsToAnExistingFile) {
    struct Case {
        const char* fixture;
        std::vector<std::string> names;
        bool writtenByTheProgram; // then the old bytes must come back unchanged
    };
    const std::vector<Case> cases = {
        {"default.pal", {"Default"}, true},
        {"eight_bit_names.pal",
         {"Gr\xc3\xbcn", "\xe2\x80\x9cQuoted\xe2\x80\x9d \xc2\x81\xc2\xa0\xc3\xbf"},
         true},
        {"three_palettes.pal", {"Alpha", "Twin", "Twin"}, false},
    };
    CopyFixture("legacy.ini");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        CopyFixture(c.fixture);
        const std::string before = ReadBytes(Path(c.fixture));
        for (int round = 1; round <= 2; ++round) {
            const CliRun run = Run({"import", "@legacy.ini", std::string("@") + c.fixture});
            ASSERT_EQ(run.exitCode, 0) << run.err;
        }
        const std::string after = ReadBytes(Path(c.fixture));
        if (c.writtenByTheProgram) {
            EXPECT_EQ(after.substr(0, before.size()), before);
        }
        const json document = Dump(Path(c.fixture));
        std::vector<std::string> names = c.names;
        names.insert(names.end(), {"Veldra 3", "Veldra 3"});
        EXPECT_EQ(Names(document), names);
        ExpectPens(document["palettes"].back(), {{1, "#ff0000", "#ff0000"}});
    }
    // The second of two palettes of one name survives the rewrite with its own colours.
    const json rewritten = Dump(Path("three_palettes.pal"));
    ExpectPens(rewritten["palettes"][1], {{2, "#abcdef", "#fedcba"}});
    ExpectPens(rewritten["palettes"][2], {{1, "#0000ff", "#ffff00"}});
}

struct FailureCase {
    const char* what;
    std::vector<std::string> fixtures;
    std::vector<std::string> args;
    const char* message;
};

TEST_F(CliTest, FailuresExitOneAndLeaveEveryFileAsItWas) {
    const std::vector<FailureCase> cases = {
        {"dump of a missing file", {}, {"dump", "@missing.pal"}, kOpenFailed},
        {"dump of a file naming no palette",
         {"no_palettes.pal"},
         {"dump", "@no_palettes.pal"},
         kNoNames},
        {"import from a missing INI into an existing file",
         {"default.pal"},
         {"import", "@missing.ini", "@default.pal"},
         kIniRefused},
        {"import from a missing INI into a new file",
         {},
         {"import", "@missing.ini", "@new.pal"},
         kIniRefused},
        {"import from a folder as INI",
         {"default.pal"},
         {"import", "@.", "@default.pal"},
         kIniRefused},
        {"import into a file naming no palette",
         {"legacy.ini", "no_palettes.pal"},
         {"import", "@legacy.ini", "@no_palettes.pal"},
         kNoNames},
        {"import into a missing folder",
         {"legacy.ini"},
         {"import", "@legacy.ini", "@nowhere/new.pal"},
         kWriteFailed},
        {"default into a missing folder", {}, {"default", "@nowhere/x.pal"}, kWriteFailed},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.what);
        for (const std::string& fixture : c.fixtures) {
            CopyFixture(fixture);
        }
        const auto before = Snapshot();
        const CliRun run = Run(c.args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(Snapshot(), before);
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
}

} // namespace

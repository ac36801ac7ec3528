// tintora-cli run as a process on hand-written fixtures: output, exit codes, messages, and
// that a failed command leaves every file as it was.
#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <csignal>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "case_table.h"
#include "cli_runner.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

const std::string kDataDir = std::string(TINTORA_TEST_DATA_DIR) + "/cli/";
const std::string kImportDir = std::string(TINTORA_TEST_DATA_DIR) + "/cli_import/";

// Each test works in a folder of its own, which the failure test compares before and after.
class CliTest : public testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return m_dir + "/" + name; }
    void Copy(const std::string& name) const {
        fs::copy_file(kDataDir + name, Path(name), fs::copy_options::overwrite_existing);
    }

    // Arguments starting with "@" name a file in the test's folder.
    CliRun Run(std::vector<std::string> args) const {
        for (std::string& arg : args) {
            arg = arg.starts_with('@') ? Path(arg.substr(1)) : arg;
        }
        return RunCli(args);
    }

    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(m_dir)) {
            files[entry.path().string()] = entry.is_directory() ? "<folder>"
                                           : entry.is_regular_file()
                                               ? ReadBytes(entry.path().string())
                                               : "<special>";
        }
        return files;
    }

    // The palettes of a successful dump of path.
    static json Dump(const std::string& path) {
        const CliRun run = RunCli({"dump", path});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return json::parse(run.out).at("palettes");
    }

    const std::string m_dir =
        testing::TempDir() + "tintora_cli_" + std::to_string(CurrentProcessId());
};

TEST_F(CliTest, DefaultWritesTheDocumentedBytes) {
    const std::string expected = ReadBytes(kDataDir + "default.pal");
    // A non-ASCII file name under the C locale: paths are bytes, never the locale's.
    const std::string file = Path("Gr\xc3\xbcne Stifte.pal");
    // First a new file, then over a longer file, which must not leave a tail behind.
    for (const bool existing : {false, true}) {
        SCOPED_TRACE(existing ? "existing file" : "new file");
        if (existing) {
            std::ofstream(Utf8Path(file), std::ios::binary) << expected << expected;
        }
        const CliRun run = RunCli({"default", file});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out + run.err, "");
        EXPECT_EQ(ReadBytes(file), expected);
    }
    const CliRun check = RunCli({"check", file}); // what the program writes is clean
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_EQ(check.out + check.err, "");
}

// Every pen of both variants, texts as UTF-8 (Windows-1252 in the file: curly quotes from
// 0x93/0x94, 0x81 undefined and kept as U+0081): each NAME.pal beside its NAME.dump.json.
TEST_F(CliTest, DumpGivesEveryPenAndTheTextsAsUtf8) {
    int files = 0;
    for (const auto& entry : fs::directory_iterator(kDataDir)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(".dump.json")) {
            const std::string pal = kDataDir + name.substr(0, name.size() - 10) + ".pal";
            EXPECT_EQ(RunCli({"dump", pal}).out, ReadBytes(entry.path().string())) << pal;
            ++files;
        }
    }
    EXPECT_GE(files, 3);
}

// Two imports into each file: a new one, one the program wrote, and a hand-written one (whose
// second palette of one name keeps its own colours). What each file then holds is the dump in
// data/cli_import; the import's reading rules are the legacy colour table's test.
TEST_F(CliTest, ImportWritesANewFileOrAppendsToAnExistingOne) {
    Copy("legacy.ini");
    for (const std::string file : {"new.pal", "default.pal", "three_palettes.pal"}) {
        SCOPED_TRACE(file);
        if (file != "new.pal") {
            Copy(file);
        }
        for (int round = 0; round < 2; ++round) {
            const CliRun run = Run({"import", "@legacy.ini", "@" + file});
            ASSERT_EQ(run.exitCode, 0) << run.err;
            EXPECT_EQ(run.out + run.err, "");
        }
        EXPECT_EQ(Run({"dump", "@" + file}).out, ReadBytes(kImportDir + file + ".json"));
        // A new file begins with the default file's comment header; the bytes of one the program
        // wrote come back as they were.
        const std::string header = ReadBytes(kDataDir + "default.pal");
        const std::string start = file == "default.pal" ? header
                                  : file == "new.pal"   ? header.substr(0, header.find('*') + 1)
                                                        : "";
        EXPECT_EQ(ReadBytes(Path(file)).substr(0, start.size()), start);
    }
}

// .pal and JSON carry every palette byte for byte; the one-palette formats carry the chosen
// palette in the chosen variant; "-" stands for standard input and output.
TEST_F(CliTest, ConvertCarriesPalettesThroughEveryFormat) {
    for (const char* fixture : {"three_palettes.pal", "eight_bit_names.pal"}) {
        SCOPED_TRACE(fixture);
        ASSERT_EQ(RunCli({"convert", kDataDir + fixture, Path("a.pal")}).exitCode, 0);
        ASSERT_EQ(Run({"convert", "@a.pal", "@a.json"}).exitCode, 0);
        ASSERT_EQ(Run({"convert", "@a.json", "@b.pal"}).exitCode, 0);
        EXPECT_EQ(ReadBytes(Path("b.pal")), ReadBytes(Path("a.pal")));
        const CliRun piped =
            RunCli({"convert", "-", "-", "--from", "PAL", "--to", "json"}, {}, Path("a.pal"));
        EXPECT_EQ(piped.out, ReadBytes(Path("a.json")));
        EXPECT_EQ(RunCli({"dump", "-"}, {}, Path("a.pal")).out, piped.out);
    }
    for (const CaseRow& row : ReadCaseTable("cli_convert.txt")) {
        SCOPED_TRACE(row.where);
        const CliRun run = RunCliWords(
            "convert " + kDataDir + "three_palettes.pal @" + row[1] + " " + row[0], m_dir + "/");
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(ReadBytes(Path(row[1])).find(row[2]), std::string::npos);
    }
    EXPECT_EQ(RunCli({"default", "-"}).out, ReadBytes(kDataDir + "default.pal"));
}

// Each format's palettes join the file: Sky from the .hex file's name, Sea from the GIMP
// palette's, the three of the JSON file, the same three again from the palette file, then
// one each from a JASC and a RIFF palette (told from ours by their content), an .ase file
// and CSS. A name the palette header cannot hold is stored changed, with a warning, and the
// file then passes check.
TEST_F(CliTest, ImportAppendsThePalettesOfOtherFormats) {
    Copy("default.pal");
    std::ofstream(Path("Sky.hex")) << "#102030\n";
    std::ofstream(Path("sea.gpl")) << "GIMP Palette\nName: Sea, #2\n1 2 3\n";
    const std::string three = kDataDir + "three_palettes.pal";
    ASSERT_EQ(Run({"convert", three, "@three.json"}).exitCode, 0);
    for (const std::vector<std::string>& made : std::vector<std::vector<std::string>>{
             {"@jasc.pal", "--to", "jasc"},
             {"@riff.pal", "--to", "riff", "--background", "dark"},
             {"@Swatches.ase", "--index", "1"},
             {"@Web #1.css", "--index", "2"}}) {
        std::vector<std::string> args = {"convert", three};
        args.insert(args.end(), made.begin(), made.end());
        ASSERT_EQ(Run(args).exitCode, 0);
    }
    const std::string warning = ": warning: palette name ";
    for (const auto& [source, warned] : std::vector<std::pair<std::string, std::string>>{
             {"@Sky.hex", ""},
             {"@sea.gpl", "\"Sea, #2\" stored as \"Sea; No.2\"\n"},
             {"@three.json", ""},
             {three, ""},
             {"@jasc.pal", ""},
             {"@riff.pal", ""},
             {"@Swatches.ase", ""},
             {"@Web #1.css", "\"Web #1\" stored as \"Web No.1\"\n"}}) {
        const CliRun run = Run({"import", source, "@default.pal"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err.empty() ? "" : run.err.substr(run.err.find(warning) + warning.size()),
                  warned);
    }
    EXPECT_EQ(Run({"dump", "@default.pal"}).out, ReadBytes(kImportDir + "other_formats.json"));
    ASSERT_EQ(Run({"import", "@sea.gpl", "@sea.pal"}).exitCode, 0);
    const CliRun check = Run({"check", "@sea.pal"});
    EXPECT_EQ(check.exitCode, 0) << check.out;
}

// render paints with the editor, which only the GUI build has.
TEST_F(CliTest, HelpListsEveryCommandWithAnExampleAndTheExitCodes) {
    const CliRun run = RunCli({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* command : {"default", "dump", "import", "check", "convert", "audit", "derive",
                                TINTORA_CLI_RENDERS ? "render" : "check"}) {
        EXPECT_NE(run.out.find("\n  tintora-cli " + std::string(command) + " "), std::string::npos)
            << command;
    }
    EXPECT_NE(run.out.find("Exit status:\n  0  "), std::string::npos);
}

// Four loops of imports into one file at once, and a loop of conversions of it onto itself:
// each must build on the one before,
// so that no palette is lost and nothing is left beside the file.
TEST_F(CliTest, ParallelImportsLoseNoPalette) {
    Copy("legacy.ini");
    Copy("default.pal");
    // A conversion of the file onto itself meanwhile must not drop what the imports added.
    std::vector<std::string> failures(5);
    std::vector<std::thread> loops;
    for (std::size_t loop = 0; loop < failures.size(); ++loop) {
        const bool converts = loop == failures.size() - 1;
        loops.emplace_back([this, converts, &failed = failures[loop]] {
            for (int i = 0; i < 15; ++i) {
                failed += converts ? Run({"convert", "@default.pal", "@default.pal"}).err
                                   : Run({"import", "@legacy.ini", "@default.pal"}).err;
            }
        });
    }
    for (std::thread& loop : loops) {
        loop.join();
    }
    EXPECT_EQ(failures, std::vector<std::string>(failures.size()));
    EXPECT_EQ(Dump(Path("default.pal")).size(), 61u);
    EXPECT_EQ(Snapshot().size(), 2u) << "legacy.ini and default.pal alone";
}

// The findings of data/cases/cli_audit.txt, word for word.
TEST_F(CliTest, AuditPrintsEachFindingOnce) {
    Copy("default.pal");
    Copy("three_palettes.pal");
    for (const CaseRow& row : ReadCaseTable("cli_audit.txt")) {
        SCOPED_TRACE(row.where);
        const CliRun run = RunCliWords(row[0], m_dir + "/");
        EXPECT_EQ(run.exitCode, row.Int(1)) << run.err;
        EXPECT_EQ(run.out, InFolder(row[2], m_dir + "/"));
    }
}

// derive changes the chosen palette's colours for one background and nothing else, the same
// in place and into another file; every derived pen then passes an audit at that contrast.
TEST_F(CliTest, DeriveReplacesOneVariantOfOnePalette) {
    struct Case {
        std::vector<std::string> options;
        std::size_t palette;
        const char* variant;
        const char* background;
    };
    const Case cases[] = {{{"--to", "dark", "--index", "1"}, 1, "dark", "#000000"},
                          {{"--to", "light", "--palette", "Alpha", "--min-contrast", "7",
                            "--light-background", "#fffff0"},
                           0,
                           "light",
                           "#fffff0"}};
    for (const Case& c : cases) {
        Copy("three_palettes.pal");
        std::vector<std::string> args = {"derive", "@three_palettes.pal", "-o", "@out.pal"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        ASSERT_EQ(Run(args).exitCode, 0);
        EXPECT_EQ(ReadBytes(Path("three_palettes.pal")),
                  ReadBytes(kDataDir + "three_palettes.pal"));
        args.erase(args.begin() + 2, args.begin() + 4);
        args[1] = "-"; // standard input to standard output
        ASSERT_EQ(RunCli(args, Path("piped.pal"), Path("three_palettes.pal")).exitCode, 0);
        EXPECT_EQ(ReadBytes(Path("piped.pal")), ReadBytes(Path("out.pal")));
        args[1] = Path("three_palettes.pal");
        ASSERT_EQ(Run(args).exitCode, 0);
        EXPECT_EQ(ReadBytes(Path("three_palettes.pal")), ReadBytes(Path("out.pal")));

        json expected = Dump(kDataDir + "three_palettes.pal");
        json derived = Dump(Path("out.pal"));
        EXPECT_EQ(derived[c.palette][c.variant][0], expected[c.palette][c.variant][0]);
        EXPECT_NE(derived[c.palette][c.variant], expected[c.palette][c.variant]);
        expected[c.palette][c.variant] = derived[c.palette][c.variant];
        EXPECT_EQ(derived, expected);

        const std::string ratio = c.options.size() > 4 ? "7" : "4.5";
        const CliRun audit = Run({"audit", "@out.pal", "--index", std::to_string(c.palette),
                                  "--json", "--min-contrast", ratio, "--min-difference", "0",
                                  std::string("--") + c.variant + "-background", c.background});
        const json report = json::parse(audit.out);
        for (const json& finding : report["palettes"][0]["findings"]) {
            EXPECT_NE(finding["background"], c.variant) << finding;
        }
    }
}

// The failures of data/cases/cli_failures.txt run among copies of the fixtures, which must
// all stay as they are.
TEST_F(CliTest, FailuresLeaveEveryFileAsItWas) {
    for (const char* fixture : {"legacy.ini", "default.pal", "no_palettes.pal", "bad_colour.json",
                                "empty.json", "three_palettes.pal"}) {
        Copy(fixture);
    }
    std::ofstream(Path("old.png")) << "old";
    std::ofstream(Path("locked.pal")) << "*Locked\n";
#ifdef _WIN32
    // No pipe can stand in a folder on Windows; a folder, also no regular file, takes its place.
    ASSERT_TRUE(fs::create_directory(Path("pipe.pal")));
    const bool locked = false;
#else
    // Held as "flock locked.pal command" holds it.
    const int lockFd = ::open(Path("locked.pal").c_str(), O_RDONLY | O_CLOEXEC);
    const bool locked = ::flock(lockFd, LOCK_EX) == 0;
    fs::create_symlink("nowhere.pal", Path("dangling.pal"));
    ASSERT_EQ(::mkfifo(Path("pipe.pal").c_str(), 0600), 0);
    // A null device of our own, where root may make one; otherwise a second pipe.
    if (::mknod(Path("null.png").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        ASSERT_EQ(::mkfifo(Path("null.png").c_str(), 0600), 0);
    }
#endif
    std::ofstream many(Path("many.pal"));
    std::ofstream full(Path("full.pal"));
    for (int i = 0; i <= 100000; ++i) {
        many << "*P\n";
        full << (i < 100000 ? "*P\n" : "");
    }
    many.close();
    full.close();
    for (const CaseRow& row : ReadCaseTable("cli_failures.txt")) {
        if ((row[0].starts_with("render") && !TINTORA_CLI_RENDERS) ||
            (row[0].find("@locked") != std::string::npos && !locked)) {
            continue;
        }
        SCOPED_TRACE(row.where);
        const auto before = Snapshot();
        const CliRun run = RunCliWords(row[0], m_dir + "/");
        EXPECT_EQ(run.exitCode, row.Int(1));
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(SystemWords(InFolder(row[2], m_dir + "/"))), std::string::npos)
            << run.err;
        EXPECT_EQ(Snapshot(), before);
    }
    // check names the palette beyond the limit, and checks no further.
    const std::string tooMany = Run({"check", "@many.pal"}).out;
    EXPECT_TRUE(tooMany.ends_with(Path("many.pal") +
                                  ":100001: error: more than 100,000 palettes from this line on; "
                                  "the editor cannot open this file\n"));
    // An INI file is read whole: one larger than any colour table is not read at all.
    const std::string huge = m_dir + "_huge.ini";
    std::ofstream(Utf8Path(huge)) << "[COLORS]\n";
    fs::resize_file(Utf8Path(huge), std::uintmax_t{65} << 20);
    EXPECT_NE(Run({"import", huge, "@new.pal"}).err.find(huge + ": larger than 64 MiB"),
              std::string::npos);
    fs::remove(Utf8Path(huge));
#ifndef _WIN32 // Windows has no device that is always full
    ::close(lockFd);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"dump", kDataDir + "default.pal"},
          {"--help"},
          {"--version"},
          {"import", "--help"}}) {
        const CliRun onFull = RunCli(args, "/dev/full");
        EXPECT_EQ(onFull.exitCode, 1) << args[0];
        EXPECT_EQ(onFull.err, "tintora-cli: standard output: No space left on device\n");
    }
#endif
}

#ifndef _WIN32 // Windows file names are always Unicode
// A file name's bytes that are not UTF-8 are Windows-1252, as older systems wrote them; only
// a character a palette file cannot hold is refused, and named.
TEST_F(CliTest, PaletteNamedAfterAFileNameOfAnyEncoding) {
    for (const auto& [file, expected] :
         {std::pair<std::string, std::string>{"caf\xe9.hex",
                                              "{\"palettes\":[{\"name\":\"caf\xc3\xa9\""},
          {"\xe4\xb8\xad.hex", "file name: the character U+4E2D cannot be stored"},
          {"\xe4\xb8\xad.gpl", "file name: the character U+4E2D cannot be stored"}}) {
        std::ofstream(Path(file)) << (file.ends_with("gpl") ? "GIMP Palette\n1 2 3\n" : "102030\n");
        const CliRun run = Run({"convert", "@" + file, "-", "--to", "json"});
        EXPECT_TRUE((run.out + run.err).find(expected) != std::string::npos) << run.err;
    }
}
#endif

#ifndef _WIN32
// Stopped part-way by a signal while it reads standard input (a pipe kept open), or ending on
// a closed pipe as standard output, a command leaves no copy of the input or the output in
// TMPDIR and no empty file of its own making.
TEST_F(CliTest, SignalsAndClosedPipesLeaveNothingBehind) {
    Copy("default.pal");
    fs::create_directory(Path("tmp"));
    struct Case {
        int signal; // 0: standard output is a pipe nobody reads
        std::vector<std::string> args;
        std::vector<std::string> madeFirst; // waited for before the signal
    };
    const Case cases[] = {
        {SIGTERM, {"convert", "-", "@new.pal", "--from", "pal"}, {"new.pal", "tmp"}},
        {SIGINT, {"dump", "-"}, {"tmp"}},
        {SIGHUP, {"import", "-", "@new.pal"}, {"tmp"}},
        {SIGTERM, {"render", "-", "-o", "@x.png"}, {"tmp"}},
        {0, {"convert", "@default.pal", "-", "--to", "pal"}, {}},
    };
    for (const Case& run : cases) {
        if (run.args[0] == "render" && !TINTORA_CLI_RENDERS) {
            continue;
        }
        SCOPED_TRACE(run.args[0] + " " + run.args[1]);
        const auto before = Snapshot();
        std::vector<std::string> words = {TINTORA_CLI_PATH};
        for (const std::string& arg : run.args) {
            words.push_back(arg.starts_with('@') ? Path(arg.substr(1)) : arg);
        }
        int input[2], output[2];
        ASSERT_EQ(::pipe(input), 0);
        ASSERT_EQ(::pipe(output), 0);
        ::close(output[0]); // nobody reads
        const pid_t child = ::fork();
        if (child == 0) {
            ::dup2(input[0], 0);
            ::dup2(run.signal == 0 ? output[1] : ::open("/dev/null", O_WRONLY), 1);
            ::setenv("TMPDIR", Path("tmp").c_str(), 1);
            std::vector<char*> argv;
            for (std::string& word : words) {
                argv.push_back(word.data());
            }
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(input[0]);
        ::close(output[1]);
        EXPECT_EQ(::write(input[1], "*P,x\r\n", 6), 6);
        for (int tries = 0; tries < 1000; ++tries) {
            const bool made = std::all_of(run.madeFirst.begin(), run.madeFirst.end(), [&](auto& f) {
                return fs::exists(Path(f)) && !(fs::is_directory(Path(f)) && fs::is_empty(Path(f)));
            });
            if (made) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (run.signal != 0) {
            ::kill(child, run.signal);
        }
        ::close(input[1]);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) || WEXITSTATUS(status) != 0);
        EXPECT_EQ(Snapshot(), before);
    }
}
#endif

// tintora-cli check on hand-edited files: each .pal under data/check beside its .expected,
// which gives the exit code ("exit: N") and then every finding with its line.
TEST(CheckTest, EveryFindingOnItsLine) {
    int files = 0;
    for (const auto& entry : fs::directory_iterator(TINTORA_TEST_DATA_DIR "/check")) {
        if (entry.path().extension() != ".pal") {
            continue;
        }
        const std::string file = entry.path().string();
        SCOPED_TRACE(file);
        std::istringstream expected(
            ReadBytes(fs::path(file).replace_extension(".expected").string()));
        std::string line, expectedOut;
        std::getline(expected, line);
        const CliRun run = RunCli({"check", file});
        EXPECT_EQ(run.exitCode, std::stoi(line.substr(6)));
        while (std::getline(expected, line)) {
            expectedOut += file + ":" + line + "\n";
        }
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

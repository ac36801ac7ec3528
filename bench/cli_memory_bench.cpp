// Peak memory of tintora-cli on hostile inputs: a JSON of 1.7 million palettes, lines of
// 600 MB in every format the tool reads, a palette of 600 MB of short lines, a .pal of one
// palette too many, names of 1.2 GB in all. Each input is made in a scratch folder when its case
// runs and removed after it; the command runs as a child process and its peak resident size comes
// from wait4. Prints one row per case with the exit code, the peak, the time and the limit it must
// stay under; exits non-zero when a case goes over its limit.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMB = 1000 * 1000;

struct Outcome {
    int exitCode = -1;
    double peakMB = 0;
    double seconds = 0;
};

// Runs tintora-cli with args, its output thrown away.
Outcome RunCli(const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(TINTORA_CLI)};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    Outcome outcome;
    if (posix_spawn(&child, TINTORA_CLI, &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        ::wait4(child, &status, 0, &usage);
        outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        outcome.peakMB = static_cast<double>(usage.ru_maxrss) * 1024 / kMB;
    }
    outcome.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    return outcome;
}

// Writes head, then count copies of unit, then tail, a block at a time.
void MakeFile(const fs::path& path, const std::string& head, const std::string& unit,
              std::size_t count, const std::string& tail) {
    std::ofstream file(path, std::ios::binary);
    file << head;
    const std::size_t perBlock = std::max<std::size_t>(1, (1 << 20) / unit.size());
    std::string block;
    for (std::size_t i = 0; i < perBlock; ++i) {
        block += unit;
    }
    for (std::size_t done = 0; done < count; done += perBlock) {
        const std::size_t now = std::min(perBlock, count - done);
        file.write(block.data(), static_cast<std::streamsize>(now * unit.size()));
    }
    file << tail;
}

struct Case {
    const char* what;
    const char* file;
    std::function<void(const fs::path&)> make;
    std::vector<std::string> args; // "@" stands for the input, "out.pal" lies beside it
    double limitMB;
};

// A hundredth of a 600 MB line.
std::string Line() {
    return std::string(600 * kMB / 100, '0');
}

const Case kCases[] = {
    {"JSON of 1.7 M palettes (22 MB): convert",
     "many.json",
     [](const fs::path& p) {
         MakeFile(p, "{\"palettes\":[", "{\"name\":\"P\"},", 1700000, "{}]}");
     },
     {"convert", "@", "out.pal"},
     500},
    {"JSON of 1.7 M palettes (22 MB): import",
     "many.json",
     [](const fs::path& p) {
         MakeFile(p, "{\"palettes\":[", "{\"name\":\"P\"},", 1700000, "{}]}");
     },
     {"import", "@", "out.pal"},
     500},
    {".pal of 100,001 palettes: check",
     "many.pal",
     [](const fs::path& p) { MakeFile(p, "", "*P\r\nPen1, 1, 2, 3, 4, 5, 6\r\n", 100001, ""); },
     {"check", "@"},
     1000},
    {".pal, 600 MB line: dump",
     "line.pal",
     [](const fs::path& p) { MakeFile(p, "*P,", Line(), 100, "\n"); },
     {"dump", "@"},
     1000},
    {".pal, 600 MB line: check",
     "line.pal",
     [](const fs::path& p) { MakeFile(p, "*P,", Line(), 100, "\n"); },
     {"check", "@"},
     1000},
    {".pal, one palette of 600 MB of comment lines: dump",
     "body.pal",
     [](const fs::path& p) { MakeFile(p, "*P,D\n", "# a comment\n", 50 * kMB, ""); },
     {"dump", "@"},
     1000},
    {".pal, 20 palettes of 60 MB names: dump",
     "names.pal",
     [](const fs::path& p) { MakeFile(p, "", "*" + std::string(60 * kMB, 'n') + "\n", 20, ""); },
     {"dump", "@"},
     1000},
    {"JSON, 20 palettes of 60 MB names: convert",
     "names.json",
     [](const fs::path& p) {
         MakeFile(p, "{\"palettes\":[", "{\"name\":\"" + std::string(60 * kMB, 'n') + "\"},", 20,
                  "{}]}");
     },
     {"convert", "@", "out.pal"},
     1000},
    {"hex, 600 MB line: convert",
     "line.hex",
     [](const fs::path& p) { MakeFile(p, "102030\n", Line(), 100, "\n"); },
     {"convert", "@", "out.pal"},
     1000},
    {"GIMP, 600 MB line: convert",
     "line.gpl",
     [](const fs::path& p) { MakeFile(p, "GIMP Palette\n", Line(), 100, "\n"); },
     {"convert", "@", "out.pal"},
     1000},
    {"JSON, 600 MB name: convert",
     "line.json",
     [](const fs::path& p) { MakeFile(p, "{\"palettes\":[{\"name\":\"", Line(), 100, "\"}]}"); },
     {"convert", "@", "out.pal"},
     1000},
    {"JSON, 600 MB number skipped: convert",
     "number.json",
     [](const fs::path& p) {
         MakeFile(p, "{\"x\":1", Line(), 100, ",\"palettes\":[{\"name\":\"P\"}]}");
     },
     {"convert", "@", "out.pal"},
     1000},
    {"INI of 600 MB: import",
     "line.ini",
     [](const fs::path& p) { MakeFile(p, "[COLORS]\n", Line(), 100, "\n"); },
     {"import", "@", "out.pal"},
     1000},
};

} // namespace

int main() {
    const fs::path folder =
        fs::temp_directory_path() / ("tintora_cli_memory_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::printf("%-52s %4s %9s %7s %9s\n", "case", "exit", "peak MB", "s", "limit MB");
    bool within = true;
    for (const Case& c : kCases) {
        const fs::path input = folder / c.file;
        // Made in a child of its own: a spawned child's peak starts from its parent's size,
        // so this process must never hold the inputs.
        if (const pid_t maker = ::fork(); maker == 0) {
            c.make(input);
            std::_Exit(0);
        } else {
            ::waitpid(maker, nullptr, 0);
        }
        std::vector<std::string> args;
        for (const std::string& arg : c.args) {
            args.push_back(arg == "@"         ? input.string()
                           : arg == "out.pal" ? (folder / arg).string()
                                              : arg);
        }
        const Outcome outcome = RunCli(args);
        std::printf("%-52s %4d %9.1f %7.2f %9.0f\n", c.what, outcome.exitCode, outcome.peakMB,
                    outcome.seconds, c.limitMB);
        within = within && outcome.peakMB < c.limitMB;
        fs::remove(input);
        fs::remove(folder / "out.pal");
    }
    fs::remove_all(folder);
    return within ? EXIT_SUCCESS : EXIT_FAILURE;
}

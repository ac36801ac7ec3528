// Process runner for the command-line tests: the shell sends the output to temporary files,
// so that a large output can never block the child on a full pipe.
#include "cli_runner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <gtest/gtest.h>

namespace {

// text as one shell word, whatever bytes it holds.
std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

} // namespace

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

CliRun RunCli(const std::vector<std::string>& args, const std::string& stdoutPath,
              const std::string& stdinPath) {
    const std::string capture = testing::TempDir() + "tintora_cli_" + std::to_string(getpid());
    const std::string outPath = stdoutPath.empty() ? capture + "_out" : stdoutPath;
    std::string command = "LC_ALL=C LANG=C " + Quoted(TINTORA_CLI_PATH);
    for (const std::string& arg : args) {
        command += " " + Quoted(arg);
    }
    command += " <" + Quoted(stdinPath) + " >" + Quoted(outPath) + " 2>" + Quoted(capture + "_err");
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (stdoutPath.empty()) {
        run.out = ReadBytes(outPath);
        std::filesystem::remove(outPath);
    }
    run.err = ReadBytes(capture + "_err");
    std::filesystem::remove(capture + "_err");
    return run;
}

std::string InFolder(std::string text, const std::string& folder) {
    for (auto at = text.find('@'); at != std::string::npos; at = text.find('@', at)) {
        text.replace(at, 1, folder);
    }
    return text;
}

CliRun RunCliWords(const std::string& words, const std::string& folder) {
    std::vector<std::string> args;
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        args.push_back(InFolder(word, folder));
    }
    return RunCli(args);
}

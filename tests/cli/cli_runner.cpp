// Process runner for the command-line tests: posix_spawn with output to temporary files,
// so that a large output can never block the child on a full pipe.
#include "cli_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <gtest/gtest.h>

extern char** environ;

namespace {

std::string CaptureFile(const char* stream) {
    std::ostringstream name;
    name << testing::TempDir() << "tintora_cli_" << getpid() << '_' << stream;
    return name.str();
}

std::vector<std::string> ChildEnvironment() {
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (text.rfind("LC_ALL=", 0) != 0 && text.rfind("LANG=", 0) != 0) {
            env.push_back(text);
        }
    }
    env.emplace_back("LC_ALL=C");
    env.emplace_back("LANG=C");
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

int Spawn(std::vector<std::string> argv, const std::string& outPath, const std::string& errPath) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::vector<std::string> env = ChildEnvironment();
    std::vector<char*> argPointers = Pointers(argv);
    std::vector<char*> envPointers = Pointers(env);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, TINTORA_CLI_PATH, &actions, nullptr, argPointers.data(),
                                    envPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << TINTORA_CLI_PATH;
        return -1;
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

} // namespace

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

CliRun RunCli(const std::vector<std::string>& args, const std::string& stdoutPath) {
    const std::string outPath = stdoutPath.empty() ? CaptureFile("out") : stdoutPath;
    const std::string errPath = CaptureFile("err");
    std::vector<std::string> argv{"tintora-cli"};
    argv.insert(argv.end(), args.begin(), args.end());

    CliRun run;
    run.exitCode = Spawn(std::move(argv), outPath, errPath);
    if (stdoutPath.empty()) {
        run.out = ReadBytes(outPath);
        std::filesystem::remove(outPath);
    }
    run.err = ReadBytes(errPath);
    std::filesystem::remove(errPath);
    return run;
}

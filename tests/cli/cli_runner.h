// Runs the built tintora-cli as a separate process and collects what it printed.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct CliRun {
    int exitCode = -1; // -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs tintora-cli with args (UTF-8) under the C locale where there is one (the tool must
// not depend on the user's locale). Standard output goes to stdoutPath when given,
// otherwise it is collected; standard input comes from stdinPath, or is empty. Safe to
// call from several threads at once.
CliRun RunCli(const std::vector<std::string>& args, const std::string& stdoutPath = {},
              const std::string& stdinPath = {});

// Runs a row of a case table: blank-separated arguments in which "@" names folder (a path
// ending in "/").
CliRun RunCliWords(const std::string& words, const std::string& folder);
// text with every "@" replaced by folder.
std::string InFolder(std::string text, const std::string& folder);

// message with the system's own words for a missing file or folder in place of
// "No such file or directory\n" on Windows, whose words differ between the system and
// Wine, and between a missing file and a missing folder (a path through "nowhere/").
std::string SystemWords(std::string message);

// The whole content of a file (UTF-8 path), empty when it cannot be read.
std::string ReadBytes(const std::string& path);

// A path from UTF-8 bytes, whatever the system's own encoding of names.
std::filesystem::path Utf8Path(const std::string& path);

// This process's id, for names of its own.
int CurrentProcessId();

// Process runner for the command-line tests: the output goes to temporary files, so that a
// large output can never block the child on a full pipe.
#include "cli_runner.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <sstream>

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

std::filesystem::path Utf8Path(const std::string& path) {
    return std::u8string(path.begin(), path.end());
}

namespace {

// Held while a run starts and while the files of another are read: a process started on
// Windows inherits every file the C runtime has open, and would keep another run's output.
std::mutex g_starting;

#ifdef _WIN32
using CString = std::wstring;

CString FromUtf8(const std::string& text) {
    return Utf8Path(text).wstring();
}

// text as one word of a command line, as CommandLineToArgvW splits it.
CString Quoted(const CString& text) {
    CString quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : text) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        quoted += c;
        backslashes = 0;
    }
    return quoted.append(2 * backslashes, L'\\') + L"\"";
}

HANDLE Inheritable(const std::string& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return ::CreateFileW(FromUtf8(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         &inherit, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Starts the tool once. One process is made at a time, so that none inherits the output
// files meant for another.
bool Start(const CString& program, CString command, const std::string& inPath,
           const std::string& outPath, const std::string& errPath, PROCESS_INFORMATION& process) {
    const std::lock_guard starting(g_starting);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = Inheritable(inPath.empty() ? "NUL" : inPath, GENERIC_READ, OPEN_EXISTING);
    startup.hStdOutput = Inheritable(outPath, GENERIC_WRITE, CREATE_ALWAYS);
    startup.hStdError = Inheritable(errPath, GENERIC_WRITE, CREATE_ALWAYS);
    const bool started = ::CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE,
                                          0, nullptr, nullptr, &startup, &process) != 0;
    for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
        ::CloseHandle(handle);
    }
    return started;
}

// The exit code; -1 when the process could not be started. Wine now and then leaves a new
// process that never runs its first instruction while many start at once; a run that has
// not ended in a minute is ended and made once more.
int RunProcess(const std::vector<std::string>& args, const std::string& inPath,
               const std::string& outPath, const std::string& errPath) {
    const CString program = std::filesystem::path(TINTORA_CLI_PATH).make_preferred().wstring();
    CString command = Quoted(program);
    for (const std::string& arg : args) {
        command += L" " + Quoted(FromUtf8(arg));
    }
    constexpr DWORD kPatienceMs = 60000;
    DWORD exitCode = static_cast<DWORD>(-1);
    for (int attempt = 0; attempt < 3; ++attempt) {
        PROCESS_INFORMATION process{};
        if (!Start(program, command, inPath, outPath, errPath, process)) {
            break;
        }
        const bool ended = ::WaitForSingleObject(process.hProcess, kPatienceMs) == WAIT_OBJECT_0;
        if (ended) {
            ::GetExitCodeProcess(process.hProcess, &exitCode);
        } else {
            ::TerminateProcess(process.hProcess, exitCode);
            ::WaitForSingleObject(process.hProcess, INFINITE);
        }
        ::CloseHandle(process.hProcess);
        ::CloseHandle(process.hThread);
        if (ended) {
            break;
        }
    }
    return static_cast<int>(exitCode);
}
#else
// text as one shell word, whatever bytes it holds.
std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Through the shell, under the C locale: the tool must not depend on the user's locale.
int RunProcess(const std::vector<std::string>& args, const std::string& inPath,
               const std::string& outPath, const std::string& errPath) {
    std::string command = "LC_ALL=C LANG=C " + Quoted(TINTORA_CLI_PATH);
    for (const std::string& arg : args) {
        command += " " + Quoted(arg);
    }
    command += " <" + Quoted(inPath.empty() ? "/dev/null" : inPath) + " >" + Quoted(outPath) +
               " 2>" + Quoted(errPath);
    const int status = std::system(command.c_str());
    return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

} // namespace

std::string ReadBytes(const std::string& path) {
    std::ifstream file(Utf8Path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

CliRun RunCli(const std::vector<std::string>& args, const std::string& stdoutPath,
              const std::string& stdinPath) {
    // Runs may go on at once from several threads.
    static std::atomic<int> s_runs{0};
    const std::string capture = testing::TempDir() + "tintora_cli_" +
                                std::to_string(CurrentProcessId()) + "_" + std::to_string(s_runs++);
    const std::string outPath = stdoutPath.empty() ? capture + "_out" : stdoutPath;
    CliRun run;
    run.exitCode = RunProcess(args, stdinPath, outPath, capture + "_err");
    const std::lock_guard reading(g_starting);
    const auto taken = [](const std::string& path) {
        std::string bytes = ReadBytes(path);
        std::filesystem::remove(Utf8Path(path));
        return bytes;
    };
    run.out = stdoutPath.empty() ? taken(outPath) : "";
    run.err = taken(capture + "_err");
    return run;
}

int CurrentProcessId() {
#ifdef _WIN32
    return static_cast<int>(::GetCurrentProcessId());
#else
    return static_cast<int>(::getpid());
#endif
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

// On Windows the words come from the system, as the tool takes them from it.
std::string SystemWords(std::string message) {
#ifdef _WIN32
    const std::string posix = "No such file or directory\n";
    if (const auto at = message.find(posix); at != std::string::npos) {
        const DWORD code = message.find("nowhere/") != std::string::npos ? ERROR_PATH_NOT_FOUND
                                                                         : ERROR_FILE_NOT_FOUND;
        char text[256] = {};
        ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                         0, text, sizeof text, nullptr);
        message.replace(at, posix.size(), std::string(text, std::strcspn(text, ".\r\n")));
    }
#endif
    return message;
}

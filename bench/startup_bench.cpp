// Start-up time of the editor: from process start to its first painted frame, against the
// minimal dialog program (startup_baseline_dialog) measured the same way in the same run.
//
// Both programs run unchanged, from outside, on the offscreen platform with Qt's widget
// painting log switched on through the environment. That log says "Flushing top level" as a
// window's frame goes to the screen; the time from posix_spawn to that line on the child's
// stderr is the start-up time. A frame counts only when the log has shown the expected
// content drawn into it (the editor's main grid frame, the baseline's label), so neither the
// start-up message nor another window can pass for the editor. The child is then killed and
// its peak memory read from wait4.
//
//   startup_bench [runs]     (20 runs of each program by default, interleaved)
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kDefaultRuns = 20;
constexpr int kWarmUpRuns = 2;
constexpr int kTimeoutMs = 30000;
constexpr char kFrameLine[] = "Flushing top level";
constexpr char kDrawLine[] = "Drawing ";

struct Subject {
    const char* name;
    const char* program;
    const char* content; // what the log must show drawn before the frame counts
};

struct Sample {
    double milliseconds = 0;
    long peakKb = 0;
};

// A home of its own for the children: the editor's profile says not to show the start-up
// message (it would come before the editor's first frame), and nothing touches the user's
// settings. Removed again when the run ends.
class ChildHome {
public:
    ChildHome() {
        std::string pattern = (fs::temp_directory_path() / "tintora_startup_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        m_folder = pattern;
        fs::create_directories(m_folder / "config" / "Keldane");
        fs::create_directories(m_folder / "data");
        fs::create_directories(m_folder / "runtime");
        fs::permissions(m_folder / "runtime", fs::perms::owner_all);
        std::ofstream profile(m_folder / "config" / "Keldane" / "Corvane 2014.conf");
        profile << "[DialogData]\nTintora\\ShowWarning=0\n";
    }
    ~ChildHome() {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    ChildHome(const ChildHome&) = delete;
    ChildHome& operator=(const ChildHome&) = delete;

    // This process's environment with the platform, the log and the folders set.
    std::vector<std::string> Environment() const {
        const std::vector<std::string> set = {
            "QT_QPA_PLATFORM=offscreen",
            "QT_LOGGING_RULES=qt.widgets.painting=true",
            "XDG_CONFIG_HOME=" + (m_folder / "config").string(),
            "XDG_DATA_HOME=" + (m_folder / "data").string(),
            "XDG_RUNTIME_DIR=" + (m_folder / "runtime").string(),
        };
        std::vector<std::string> environment;
        for (char** variable = environ; *variable != nullptr; ++variable) {
            const std::string entry(*variable);
            const std::string name = entry.substr(0, entry.find('='));
            const bool replaced = std::any_of(set.begin(), set.end(), [&](const std::string& s) {
                return s.compare(0, name.size() + 1, name + "=") == 0;
            });
            // A message pattern or logging file of the caller could hide the log lines.
            if (!replaced && name != "QT_MESSAGE_PATTERN" && name != "QT_LOGGING_CONF") {
                environment.push_back(entry);
            }
        }
        environment.insert(environment.end(), set.begin(), set.end());
        return environment;
    }

private:
    fs::path m_folder;
};

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings) {
        pointers.push_back(s.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// Reads the child's log until the frame line; true once a frame showing the content came.
// error says what went wrong otherwise.
bool WaitForFrame(int fd, const Subject& subject, Clock::time_point deadline, std::string& error) {
    std::string pending;
    bool contentDrawn = false;
    char buffer[4096];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd watched{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&watched, 1, static_cast<int>(left.count())) == 0) {
            error = "no frame within the time limit";
            return false;
        }
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            error = "the program ended before its first frame; its last output:\n" + pending;
            return false;
        }
        pending.append(buffer, static_cast<std::size_t>(got));
        std::size_t end;
        while ((end = pending.find('\n')) != std::string::npos) {
            const std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (line.find(kDrawLine) != std::string::npos &&
                line.find(subject.content) != std::string::npos) {
                contentDrawn = true;
            }
            if (line.find(kFrameLine) != std::string::npos) {
                if (!contentDrawn) {
                    error = std::string("the first frame did not show ") + subject.content;
                }
                return contentDrawn;
            }
        }
    }
}

std::optional<Sample> TimeFirstFrame(const Subject& subject, std::vector<char*>& environment) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        std::perror("pipe2");
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::string program = subject.program;
    char* argv[] = {program.data(), nullptr};

    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    const int spawned =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "%s: cannot start: %s\n", subject.program, std::strerror(spawned));
        close(pipeFds[0]);
        return std::nullopt;
    }
    std::string error;
    const bool framed =
        WaitForFrame(pipeFds[0], subject, start + std::chrono::milliseconds(kTimeoutMs), error);
    const Clock::time_point stop = Clock::now();

    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    close(pipeFds[0]);
    if (!framed) {
        std::fprintf(stderr, "%s: %s\n", subject.name, error.c_str());
        return std::nullopt;
    }
    return Sample{std::chrono::duration<double, std::milli>(stop - start).count(), usage.ru_maxrss};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string LoadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five;
    file >> one >> five;
    return one + " (1 min), " + five + " (5 min)";
}

struct Summary {
    double min;
    double median;
    double max;
    double peakMb;
};

Summary Summarise(const std::vector<Sample>& samples) {
    std::vector<double> times, peaks;
    for (const Sample& s : samples) {
        times.push_back(s.milliseconds);
        peaks.push_back(static_cast<double>(s.peakKb) / 1024.0);
    }
    return {*std::min_element(times.begin(), times.end()), Median(times),
            *std::max_element(times.begin(), times.end()), Median(peaks)};
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;
    const Subject subjects[] = {
        {"tintora", TINTORA_PROGRAM, "name=\"control1000\""},
        {"minimal Qt dialog", BASELINE_PROGRAM, "name=\"baselineLabel\""},
    };
    ChildHome home;
    std::vector<std::string> environmentStrings = home.Environment();
    std::vector<char*> environment = Pointers(environmentStrings);

    std::printf("Start-up to the first painted frame, %d runs of each, interleaved\n", runs);
    std::printf("Load average before: %s\n", LoadAverage().c_str());
    // Loads the programs and their libraries into the page cache, as for any later start.
    for (int i = 0; i < kWarmUpRuns; ++i) {
        for (const Subject& subject : subjects) {
            if (!TimeFirstFrame(subject, environment)) {
                return 1;
            }
        }
    }
    std::vector<Sample> samples[2];
    for (int i = 0; i < runs; ++i) {
        // Alternate which goes first, so neither always follows the other.
        for (int k = 0; k < 2; ++k) {
            const int which = (i % 2 == 0) ? k : 1 - k;
            const std::optional<Sample> sample = TimeFirstFrame(subjects[which], environment);
            if (!sample) {
                return 1;
            }
            samples[which].push_back(*sample);
        }
    }
    std::printf("Load average after:  %s\n\n", LoadAverage().c_str());

    std::printf("%-20s %10s %10s %10s %16s\n", "program", "min ms", "median ms", "max ms",
                "peak RSS MiB");
    Summary summaries[2];
    for (int which = 0; which < 2; ++which) {
        summaries[which] = Summarise(samples[which]);
        const Summary& s = summaries[which];
        std::printf("%-20s %10.1f %10.1f %10.1f %16.1f\n", subjects[which].name, s.min, s.median,
                    s.max, s.peakMb);
    }
    // Runs of one round follow each other closely, so their ratio sees the same load.
    std::vector<double> pairRatios;
    for (int i = 0; i < runs; ++i) {
        pairRatios.push_back(samples[0][static_cast<std::size_t>(i)].milliseconds /
                             samples[1][static_cast<std::size_t>(i)].milliseconds);
    }
    std::printf("\nRatio tintora / minimal dialog (aim: at most 1.15):\n");
    std::printf("  of the medians %.2f, of the minima %.2f, median of the %d rounds %.2f\n",
                summaries[0].median / summaries[1].median, summaries[0].min / summaries[1].min,
                runs, Median(pairRatios));
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as a whole process: from spawning the program to its first drawn
// scene. The probe (startup_probe.cpp) is the program stopped at that moment;
// it reports on a pipe, and the time from just before posix_spawn to reading
// its line is the start-up time. The window's first tick is due 100 ms after
// the window is built, so a counter also gives the time beyond those 100 ms.
#include <benchmark/benchmark.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace korvath::bench {
namespace {

constexpr double kTickDueSeconds = 0.100;
constexpr int kReadTimeoutMs = 10000;

long long nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The environment of this process with the offscreen platform chosen.
class ProbeEnvironment {
  public:
    ProbeEnvironment() {
        for (char** e = environ; *e; ++e)
            if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0) strings_.emplace_back(*e);
        strings_.emplace_back("QT_QPA_PLATFORM=offscreen");
        for (std::string& s : strings_)
            pointers_.push_back(s.data());
        pointers_.push_back(nullptr);
    }
    char** get() { return pointers_.data(); }

  private:
    std::vector<std::string> strings_;
    std::vector<char*> pointers_;
};

struct ProbeRun {
    std::string error;        // empty on success
    long long spawnedNs = 0;  // just before posix_spawn
    long long lineNs = 0;     // the line read
    long long enteredNs = 0;  // the probe's readings
    long long builtNs = 0;
    long long drawnNs = 0;
};

// Reads one line from fd, waiting at most kReadTimeoutMs in all.
bool readLine(int fd, std::string& line, std::string& error) {
    const long long deadline = nowNs() + kReadTimeoutMs * 1000000LL;
    char buffer[256];
    while (line.find('\n') == std::string::npos) {
        const long long left = (deadline - nowNs()) / 1000000;
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, left > 0 ? static_cast<int>(left) : 0);
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) {
            error = ready == 0 ? "the probe drew nothing within 10 s" : std::strerror(errno);
            return false;
        }
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = "the probe ended without drawing its first scene";
            return false;
        }
        line.append(buffer, static_cast<size_t>(n));
    }
    return true;
}

ProbeRun runProbe(ProbeEnvironment& env) {
    ProbeRun run;
    int fds[2];
    if (pipe(fds) != 0) {
        run.error = std::string("pipe: ") + std::strerror(errno);
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);

    char path[] = KORVATH_STARTUP_PROBE;
    char* argv[] = {path, nullptr};
    pid_t pid = 0;
    run.spawnedNs = nowNs();
    const int spawned = posix_spawn(&pid, path, &actions, nullptr, argv, env.get());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        run.error = std::string("posix_spawn: ") + std::strerror(spawned);
        return run;
    }

    std::string line;
    const bool gotLine = readLine(fds[0], line, run.error);
    run.lineNs = nowNs();
    close(fds[0]);
    if (!gotLine) kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!gotLine) return run;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        run.error = "the probe did not exit cleanly";
        return run;
    }
    std::istringstream in(line);
    std::string word;
    in >> word >> run.enteredNs >> run.builtNs >> run.drawnNs;
    if (word != "drawn" || !in) run.error = "the probe wrote an unexpected line: " + line;
    return run;
}

void BM_StartUp(benchmark::State& state) {
    ProbeEnvironment env;
    double toMain = 0, toWindow = 0, beyondTick = 0, afterWindow = 0;
    std::string error;
    for (auto _ : state) {
        const ProbeRun run = runProbe(env);
        if (!run.error.empty()) {
            error = run.error;
            state.SkipWithError(error.c_str());
            break;
        }
        const double elapsed = static_cast<double>(run.lineNs - run.spawnedNs) * 1e-9;
        state.SetIterationTime(elapsed);
        toMain += static_cast<double>(run.enteredNs - run.spawnedNs) * 1e-6;
        toWindow += static_cast<double>(run.builtNs - run.spawnedNs) * 1e-6;
        afterWindow += static_cast<double>(run.drawnNs - run.builtNs) * 1e-6;
        beyondTick += (elapsed - kTickDueSeconds) * 1e3;
    }
    // Averages over the iterations, in milliseconds.
    const auto average = benchmark::Counter::kAvgIterations;
    state.counters["beyond_first_tick_ms"] = benchmark::Counter(beyondTick, average);
    state.counters["to_main_ms"] = benchmark::Counter(toMain, average);
    state.counters["to_window_built_ms"] = benchmark::Counter(toWindow, average);
    state.counters["built_to_drawn_ms"] = benchmark::Counter(afterWindow, average);
}

BENCHMARK(BM_StartUp)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvath::bench

#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace corvanta::testing {

// What a child process reported and whether it ended normally.
struct ChildResult {
    bool exitedNormally = false;
    std::string report;
};

// Runs fn in a child process and returns what it wrote to the pipe (fn's result) and
// whether it ended normally. The parent's limits and signals are left alone.
inline ChildResult inChild(const std::function<std::string()>& fn) {
    int fds[2];
    if (::pipe(fds) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        const std::string report = fn();
        [[maybe_unused]] const auto n = ::write(fds[1], report.data(), report.size());
        ::_exit(0);  // no test teardown or static destructors in the child
    }
    ::close(fds[1]);
    ChildResult result;
    char buf[4096];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) result.report.append(buf, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exitedNormally = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

// Runs the command-line program with `args`, its output dropped, and kills it after `delay`
// (never, if none). Returns its wait status.
inline int runCliKilledAfter(std::vector<std::string> args,
                             std::optional<std::chrono::steady_clock::duration> delay) {
    args.insert(args.begin(), CORVANTA_CLI);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, 1);
        ::dup2(devNull, 2);
        ::execv(CORVANTA_CLI, argv.data());
        ::_exit(127);
    }
    if (delay) {
        std::this_thread::sleep_for(*delay);
        ::kill(pid, SIGKILL);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

}  // namespace corvanta::testing

#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

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

}  // namespace corvanta::testing

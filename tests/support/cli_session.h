#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

namespace corvanta::testing {

// A `corvanta-cli session` running as a process of its own over a folder, fed one command at
// a time through its standard input; each answer is the JSON line it prints for the command.
class CliSession {
  public:
    explicit CliSession(const std::filesystem::path& folder) {
        // A session that died is seen as a failed command, not as the end of the tests.
        ::signal(SIGPIPE, SIG_IGN);
        int in[2];
        int out[2];
        if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(in[0], 0);
            ::dup2(out[1], 1);
            const std::string dir = folder.string();
            ::execl(CORVANTA_CLI, CORVANTA_CLI, "session", "--dir", dir.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(in[0]);
        ::close(out[1]);
        toChild_ = in[1];
        fromChild_ = out[0];
    }
    ~CliSession() { finish(); }
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // Runs one command line and returns its answer: "exit", "stdout", "stderr".
    nlohmann::json run(const std::string& line) {
        const std::string text = line + "\n";
        if (::write(toChild_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
            return {{"exit", -1}, {"stderr", "the session is gone"}};
        }
        std::string answer;
        char c = 0;
        while (::read(fromChild_, &c, 1) == 1 && c != '\n') answer += c;
        if (answer.empty()) return {{"exit", -1}, {"stderr", "the session is gone"}};
        return nlohmann::json::parse(answer);
    }

    // Ends the process at once, as a crash or a power cut would; nothing of it runs after.
    void kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        wait();
    }

    // Closes its input, as the end of a script does, and waits for it to end; its exit code.
    int finish() {
        if (toChild_ >= 0) ::close(toChild_);
        toChild_ = -1;
        return wait();
    }

  private:
    int wait() {
        int status = 0;
        if (pid_ > 0) ::waitpid(pid_, &status, 0);
        pid_ = -1;
        if (fromChild_ >= 0) ::close(fromChild_);
        fromChild_ = -1;
        if (toChild_ >= 0) ::close(toChild_);
        toChild_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
};

}  // namespace corvanta::testing

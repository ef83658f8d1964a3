// Two accounts in one folder shared through a group: each works on the other's employees
// without loss, and a file one of them cannot read is named, never taken for a missing one.
// The test makes a group and two users, so it runs only as root where useradd is.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "session/files/employee_files.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;
using testing::CliResult;
using testing::TempFolder;

bool commandExists(const char* path) { return ::access(path, X_OK) == 0; }

int quietly(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str());
}

std::string readAll(int fd) {
    std::string text;
    char buf[4096];
    for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;)
        text.append(buf, static_cast<size_t>(n));
    return text;
}

class TwoAccounts : public ::testing::Test {
  protected:
    void SetUp() override {
        if (::geteuid() != 0 || !commandExists("/usr/sbin/useradd") ||
            !commandExists("/usr/sbin/groupadd")) {
            GTEST_SKIP() << "needs root and useradd to make the two accounts";
        }
        const std::string tag = std::to_string(::getpid());
        group_ = "cvpay" + tag;
        users_ = {"cvanna" + tag, "cvben" + tag};
        ASSERT_EQ(quietly("/usr/sbin/groupadd " + group_), 0);
        for (const std::string& user : users_) {
            ASSERT_EQ(quietly("/usr/sbin/useradd -M -N -g " + group_ + " " + user), 0) << user;
        }
        const group* g = ::getgrnam(group_.c_str());
        ASSERT_NE(g, nullptr);
        gid_ = g->gr_gid;
        // Set up as the README says: the group's folder with the setgid bit.
        folder_.copyFederalTable();
        ASSERT_EQ(::chown(folder_.path().c_str(), 0, gid_), 0);
        ASSERT_EQ(::chmod(folder_.path().c_str(), 02770), 0);
        ASSERT_EQ(::chown((folder_ / "Federal08.dtt").c_str(), 0, gid_), 0);
        ASSERT_EQ(::chmod((folder_ / "Federal08.dtt").c_str(), 0660), 0);
        // The temporary folder's parent is the system's, open to all.
    }
    void TearDown() override {
        for (const std::string& user : users_) quietly("/usr/sbin/userdel " + user);
        if (!group_.empty()) quietly("/usr/sbin/groupdel " + group_);
    }

    // corvanta-cli run as one of the two, with the umask the README gives them.
    CliResult as(int who, std::vector<std::string> args) {
        args.insert(args.end(), {"--dir", folder_.path().string()});
        const passwd* pw = ::getpwnam(users_[who].c_str());
        CliResult r;
        if (pw == nullptr) return r;
        int out[2];
        int err[2];
        if (::pipe(out) != 0 || ::pipe(err) != 0) return r;
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::dup2(out[1], 1);
            ::dup2(err[1], 2);
            ::close(out[0]);
            ::close(err[0]);
            const gid_t groups[] = {gid_};
            if (::setgroups(1, groups) != 0 || ::setgid(gid_) != 0 || ::setuid(pw->pw_uid) != 0) {
                ::_exit(126);
            }
            ::umask(002);
            std::vector<char*> argv{const_cast<char*>(CORVANTA_CLI)};
            for (std::string& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(CORVANTA_CLI, argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(err[1]);
        r.out = readAll(out[0]);
        r.err = readAll(err[0]);
        ::close(out[0]);
        ::close(err[0]);
        int status = 0;
        ::waitpid(pid, &status, 0);
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return r;
    }

    TempFolder folder_;
    std::string group_;
    std::vector<std::string> users_;
    gid_t gid_ = 0;
};

TEST_F(TwoAccounts, EachWorksOnTheOthersEmployeesWithoutLoss) {
    ASSERT_EQ(as(0, {"new", "Fay"}).exitCode, 0);
    // Fay's rate of her own: a calculation with the defaults would show another gross.
    PayrollContext fay = folder_.context();
    fay.UserFileBase = "Fay";
    ReadEmployeeFiles(fay);
    fay.profile.HourlyRate = 22.5f;
    saveEmployeeFileSet(fay);
    CliResult r = as(0, {"calc", "--user", "Fay", "--straight", "40", "--week", "1/5/2008"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const double annasGross = r.number("GrossPay");
    ASSERT_DOUBLE_EQ(annasGross, 900);
    ASSERT_EQ(as(1, {"new", "Gus"}).exitCode, 0);

    // Ben posts Fay's week, Anna Gus's: each reads the other's files as they are.
    r = as(1, {"calc", "--user", "Fay", "--straight", "40", "--week", "1/5/2008", "--post", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_DOUBLE_EQ(r.number("GrossPay"), annasGross);
    r = as(0, {"calc", "--user", "Gus", "--straight", "30", "--week", "1/5/2008", "--post", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    // Each sees what the other posted.
    r = as(0, {"ledger", "--user", "Fay"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("1/5/2008"), std::string::npos) << r.out;
    r = as(1, {"ledger", "--user", "Gus"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("1/5/2008"), std::string::npos) << r.out;

    // Every file is the group's and no one else's.
    for (const auto& entry : fs::directory_iterator(folder_.path())) {
        struct stat st {};
        ASSERT_EQ(::stat(entry.path().c_str(), &st), 0);
        EXPECT_EQ(st.st_gid, gid_) << entry.path().filename();
        EXPECT_EQ(st.st_mode & 0007, 0u) << entry.path().filename() << " is readable by others";
    }
}

TEST_F(TwoAccounts, AFileTheOtherCannotReadIsNamedAndNothingIsWritten) {
    ASSERT_EQ(as(0, {"new", "Fay"}).exitCode, 0);
    ASSERT_EQ(::chmod((folder_ / "Fay.use").c_str(), 0600), 0);  // Anna's alone
    const std::string before = folder_.read("Fay.use");
    const CliResult r = as(1, {"calc", "--user", "Fay", "--straight", "40"});
    EXPECT_EQ(r.exitCode, 1) << r.out;
    EXPECT_NE(r.err.find("Fay.use"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("cannot be read"), std::string::npos) << r.err;
    EXPECT_EQ(folder_.read("Fay.use"), before);
}

}  // namespace
}  // namespace corvanta

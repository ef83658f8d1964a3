// Locks on employees and on the folder's shared files, within one process: who holds a lock,
// when a lock is stale, and what a second session on a held employee may do.
#include "base/files/lock_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "session/core/calculate.h"
#include "session/files/employee_hold.h"
#include "session/files/period_snapshot.h"
#include "session/files/print_heading.h"
#include "session/files/session.h"
#include "session/payroll/employee_commit.h"
#include "session/payroll/pay_run.h"
#include "session/ytd/ledger_file.h"
#include "support/folder_bytes.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::folderBytes;
using testing::ScriptedPrompts;
using testing::TempFolder;

std::string holderLine(const std::string& user, const std::string& host, long pid) {
    return "\"" + user + "\",\"" + host + "\"," + std::to_string(pid) + ",1700000000\r\n";
}

long deadPid() {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

std::time_t todayAt(int hour, int minute) {
    std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = 0;
    return std::mktime(&t);
}

TEST(LockFile, TheFirstTakesItAndTheSecondIsToldWhoHoldsIt) {
    TempFolder folder;
    auto first = LockFile::tryAcquire(folder / "Jane Doe.lck");
    ASSERT_TRUE(first.lock);
    EXPECT_FALSE(first.tookOver);
    const auto second = LockFile::tryAcquire(folder / "Jane Doe.lck");
    EXPECT_FALSE(second.lock);
    const LockHolder me = thisProcess();
    EXPECT_EQ(second.holder.user, me.user);
    EXPECT_EQ(second.holder.host, me.host);
    EXPECT_EQ(second.holder.pid, ::getpid());
    EXPECT_LE(std::abs(second.holder.since - me.since), 5);
    first.lock.reset();
    EXPECT_FALSE(folder.exists("Jane Doe.lck"));
    EXPECT_TRUE(LockFile::tryAcquire(folder / "Jane Doe.lck").lock);
    // Nothing but the lock itself is left behind by the attempts.
    EXPECT_TRUE(folderBytes(folder.path()).empty());
}

TEST(LockFile, AStaleLockIsTakenOverAndALiveOneIsNot) {
    struct Case {
        const char* what;
        std::string content;
        bool advisoryLockHeld;
        bool takenOver;
    };
    const LockHolder me = thisProcess();
    const std::vector<Case> cases = {
        {"a process of this host that is gone", holderLine(me.user, me.host, deadPid()), false,
         true},
        {"a program of another host that ended", holderLine("mbrown", "PAYROLL-2", 4242), false,
         true},
        {"a file that names nobody", "garbage", false, true},
        {"an empty file", "", false, true},
        {"a program of another host still running", holderLine("mbrown", "PAYROLL-2", 4242), true,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        folder.write("Jane.lck", c.content);
        const int other = ::open((folder / "Jane.lck").c_str(), O_RDONLY | O_CLOEXEC);
        if (c.advisoryLockHeld) {
            ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
        }
        auto attempt = LockFile::tryAcquire(folder / "Jane.lck");
        EXPECT_EQ(attempt.lock.has_value(), c.takenOver);
        EXPECT_EQ(attempt.tookOver, c.takenOver);
        if (c.takenOver) {
            EXPECT_NE(folder.read("Jane.lck"), c.content);  // now names this process
            EXPECT_TRUE(c.content.empty() || c.content == "garbage" || attempt.holder.pid != 0);
        } else {
            EXPECT_EQ(attempt.holder.user, "mbrown");
            EXPECT_EQ(attempt.holder.host, "PAYROLL-2");
            EXPECT_EQ(folder.read("Jane.lck"), c.content);
        }
        ::close(other);
    }
}

TEST(LockFile, LockFilesAreKnownByName) {
    const std::vector<std::pair<const char*, bool>> cases = {
        {"Jane Doe.lck", true},  {".lck", true},          {"Folder.flk", true},
        {"Jane.use", false},     {"Jane.lck.use", false}, {"Header.sav", false},
        {"Federal08.dtt", false}};
    for (const auto& [name, isLock] : cases) EXPECT_EQ(isLockFileName(name), isLock) << name;
}

TEST(LockFile, TheMessageNamesEmployeeHolderHostAndTime) {
    EXPECT_EQ(inUseMessage("Jane Doe", {"mbrown", "PAYROLL-2", 42, todayAt(10, 42)}),
              "Jane Doe is in use by mbrown on PAYROLL-2 since 10:42.");
    EXPECT_EQ(inUseMessage("", {"mbrown", "PAYROLL-2", 42, todayAt(9, 5)}),
              "The default employee is in use by mbrown on PAYROLL-2 since 09:05.");
}

TEST(LockFile, ASharedFileWaitsForTheFolderLock) {
    TempFolder folder;
    auto other = LockFile::tryAcquire(folder / kFolderLockFile);
    ASSERT_TRUE(other.lock);
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        other.lock.reset();
    });
    PayrollContext ctx = folder.context();
    ctx.heading.HeadingCompany = "Acme";
    const auto start = std::chrono::steady_clock::now();
    SaveHeader(ctx);
    release.join();
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    EXPECT_NE(folder.read("Header.sav").find("Acme"), std::string::npos);
    EXPECT_FALSE(folder.exists(kFolderLockFile));
}

// Two clerks in one folder: the other clerk's lock is taken straight on the lock file, as
// another process takes it (the sessions of one process share their locks).
class SharedFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyFederalTable();
        testing::makeWithNew(folder.path(), {"Jane Doe", "Bob"});
    }
    static std::string today() { return "1/4/2008"; }

    TempFolder folder;
};

TEST_F(SharedFolder, AHeldEmployeeOpensReadOnlyAndEveryWriteIsRefused) {
    auto other = LockFile::tryAcquire(folder / "Jane Doe.lck");
    ASSERT_TRUE(other.lock);

    PayrollContext second = folder.context();
    ScriptedPrompts prompts;
    Session session(second, prompts, today);
    prompts.files = {folder / "Jane Doe.use"};
    prompts.yesNo = {true};  // open read only
    session.Open();
    ASSERT_EQ(prompts.asked.size(), 1u);
    const std::string message = inUseMessage("Jane Doe", thisProcess());
    EXPECT_EQ(prompts.asked[0], message + "\r\n" + SessionPrompts::kOpenReadOnlyQuestion);
    EXPECT_EQ(second.UserFileBase, "Jane Doe");
    const auto before = folderBytes(folder.path());

    second.window.txtAmount[0] = "40";
    const std::vector<std::pair<const char*, std::function<void()>>> writes = {
        {"the closing save", [&] { Calcu_late(second); }},
        {"the ledger", [&] { SaveAnnual(second); }},
        {"a snapshot", [&] { SavePeriodSnapshot(second); }},
    };
    for (const auto& [what, write] : writes) {
        try {
            write();
            ADD_FAILURE() << what << " was written";
        } catch (const UserError& e) {
            EXPECT_EQ(std::string(e.what()), message) << what;
        }
    }
    EXPECT_FALSE(session.saveAs("Jane Doe"));
    EXPECT_EQ(prompts.messages.back().text, message);
    EXPECT_EQ(folderBytes(folder.path()), before);

    // Her data may still be saved as another employee.
    EXPECT_TRUE(session.saveAs("Jane copy"));
    EXPECT_TRUE(folder.exists("Jane copy.use"));
}

TEST_F(SharedFolder, NoToTheQuestionOpensNothing) {
    auto other = LockFile::tryAcquire(folder / "Jane Doe.lck");

    PayrollContext second = folder.context();
    ScriptedPrompts prompts;
    Session session(second, prompts, today);
    prompts.files = {folder / "Bob.use", folder / "Jane Doe.use"};
    session.Open();
    prompts.yesNo = {false};
    session.Open();
    EXPECT_EQ(second.UserFileBase, "Bob");
    EXPECT_TRUE(folder.exists("Bob.lck"));  // still hers to write
    second.window.txtAmount[0] = "40";
    EXPECT_NO_THROW(Calcu_late(second));
}

TEST_F(SharedFolder, TheSessionsOfOneProgramShareTheirLocks) {
    PayrollContext window = folder.context();
    window.hold = holdEmployee(folder.path(), "Jane Doe", {});
    PayrollContext script = folder.context();
    script.hold = holdEmployee(folder.path(), "Jane Doe", {});
    EXPECT_FALSE(script.hold.readOnly());
    window.hold = EmployeeHold{};
    EXPECT_TRUE(folder.exists("Jane Doe.lck"));  // still the script's
    script.hold = EmployeeHold{};
    EXPECT_FALSE(folder.exists("Jane Doe.lck"));
}

TEST_F(SharedFolder, TheLockGoesWithAnotherOpenAndWithExit) {
    PayrollContext first = folder.context();
    ScriptedPrompts firstPrompts;
    Session firstSession(first, firstPrompts, today);
    firstPrompts.files = {folder / "Jane Doe.use", folder / "Bob.use"};
    firstSession.Open();
    firstSession.Open();
    EXPECT_FALSE(folder.exists("Jane Doe.lck"));
    EXPECT_TRUE(folder.exists("Bob.lck"));
    firstSession.Exit();
    EXPECT_FALSE(folder.exists("Bob.lck"));
}

TEST_F(SharedFolder, NewWithANameAnotherHoldsIsRefused) {
    auto other = LockFile::tryAcquire(folder / "Carol.lck");
    ASSERT_TRUE(other.lock);
    PayrollContext ctx = folder.context();
    ScriptedPrompts prompts;
    prompts.texts = {std::string("Carol")};
    Session(ctx, prompts, today).New();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, inUseMessage("Carol", thisProcess()));
    EXPECT_FALSE(folder.exists("Carol.use"));
    EXPECT_EQ(ctx.UserFileBase, "");
}

TEST_F(SharedFolder, APayRunWithAHeldEmployeeWritesNothing) {
    auto other = LockFile::tryAcquire(folder / "Bob.lck");
    const auto before = folderBytes(folder.path());
    HoursRow jane{2, "Jane Doe", {"40"}, ""};
    HoursRow bob{3, "Bob", {"38"}, ""};
    PayRunRequest request{folder.path(), "1/4/2008", std::nullopt, today(), {}};
    const PayRunOutcome outcome = runPayPeriod(request, {jane, bob}, {});
    EXPECT_TRUE(outcome.done.empty());
    EXPECT_EQ(outcome.failedEmployee, "Bob");
    EXPECT_EQ(outcome.failure, inUseMessage("Bob", thisProcess()));
    EXPECT_EQ(folderBytes(folder.path()), before);
    EXPECT_FALSE(std::filesystem::exists(folder / kStagingFolder));
}

TEST_F(SharedFolder, LockFilesAreNoEmployeeFiles) {
    PayrollContext clerk = folder.context();
    clerk.hold = holdEmployee(folder.path(), "Bob", {});
    auto folderLock = LockFile::tryAcquire(folder / kFolderLockFile);
    const auto index = employeeFileIndex(folder.path());
    for (const auto& [name, files] : index) {
        for (const std::string& f : files) EXPECT_FALSE(isLockFileName(f)) << f;
    }
    EXPECT_EQ(index.count("Folder"), 0u);
}

}  // namespace
}  // namespace corvanta

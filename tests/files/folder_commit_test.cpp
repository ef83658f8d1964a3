// The journal that moves staged files into the folder: a restore's moves and removals are
// finished after a stop as a pay run's are, and a journal line never reaches a file that is
// not one of the folder's own.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/files/file_io.h"
#include "base/files/lock_file.h"
#include "session/payroll/employee_commit.h"
#include "session/payroll/folder_file_kind.h"
#include "support/cli_runner.h"
#include "support/folder_bytes.h"
#include "support/temp_folder.h"

namespace corvanta::testing {
namespace {

namespace fs = std::filesystem;

struct NameKind {
    const char* name;
    FolderFileKind kind;
};

TEST(FolderFileKind, OnlyTheFolderOwnFilesAreData) {
    const NameKind cases[] = {
        {"Alice.use", FolderFileKind::kEmployeeFile},
        {"J. Smith.hol", FolderFileKind::kEmployeeFile},
        {"Alice.yrb", FolderFileKind::kEmployeeFile},
        {"01_04_08  Alice.prv", FolderFileKind::kSavedPeriod},
        {"Header.sav", FolderFileKind::kSharedFile},
        {"Federal08.dtt", FolderFileKind::kSharedFile},
        {"Company.sav", FolderFileKind::kSharedFile},
        {"Alice.lck", FolderFileKind::kNotData},
        {"Folder.flk", FolderFileKind::kNotData},
        {"Federal08.use", FolderFileKind::kNotData},
        {"Header.use", FolderFileKind::kNotData},
        {"Backups", FolderFileKind::kNotData},
        {".use", FolderFileKind::kNotData},
        {".corvanta-run-journal", FolderFileKind::kNotData},
        {"../x.use", FolderFileKind::kNotData},
        {"/tmp/x.use", FolderFileKind::kNotData},
        {"a\\b.use", FolderFileKind::kNotData},
        {"x\n.use", FolderFileKind::kNotData},
        {"Alice.prv", FolderFileKind::kNotData},
        {"notes.txt", FolderFileKind::kNotData},
        {"Corvanta2k.chm", FolderFileKind::kNotData},
        {"", FolderFileKind::kNotData},
    };
    for (const NameKind& c : cases) {
        EXPECT_EQ(folderFileKind(c.name), c.kind) << c.name;
        EXPECT_EQ(notDataReason(c.name).empty(), c.kind != FolderFileKind::kNotData) << c.name;
    }
    EXPECT_EQ(employeeFileOwner("J. Smith.hol"), "J. Smith");
    EXPECT_EQ(employeeFileOwner("Header.sav"), "");
}

void stage(const fs::path& folder, const std::string& name, const std::string& bytes) {
    const fs::path staged = stagedFilePath(folder, name);
    fs::create_directories(staged.parent_path());
    writeFileAtomically(staged, bytes, false);
}

TEST(FolderCommit, ARestoreStoppedAfterItsJournalIsFinishedByTheNextStart) {
    TempFolder folder;
    folder.write("Alice.use", "alice now");
    folder.write("Alice.sta", "made after the backup");
    folder.write("Federal08.dtt", "table");
    stage(folder.path(), "Alice.use", "alice restored");
    stage(folder.path(), "01_04_08  Alice.prv", "period restored");
    stage(folder.path(), "J. Smith.use", "smith restored");
    // As a restore leaves it when stopped after the journal: nothing moved yet.
    folder.write(".corvanta-run-journal",
                 "Alice/Alice.use\n01_04_08  Alice/01_04_08  Alice.prv\n"
                 "J. Smith/J. Smith.use\nremove Alice.sta\n");
    ASSERT_TRUE(finishInterruptedCommit(folder.path()));
    removeStaging(folder.path());
    EXPECT_EQ(folderBytes(folder.path()),
              (std::map<std::string, std::string>{{"Alice.use", "alice restored"},
                                                  {"01_04_08  Alice.prv", "period restored"},
                                                  {"J. Smith.use", "smith restored"},
                                                  {"Federal08.dtt", "table"}}));
    EXPECT_FALSE(folder.exists(".corvanta-run"));
}

TEST(FolderCommit, AJournalLineNeverReachesAFileOfAnotherKind) {
    TempFolder outside;
    outside.write("x.use", "outside");
    TempFolder folder;
    folder.write("Alice.lck", "live lock");
    folder.write("notes.txt", "the clerk's");
    folder.write("Alice.use", "alice");
    const std::string escape = "../" + outside.path().filename().string() + "/x.use";
    folder.write(".corvanta-run-journal", "remove Alice.lck\nremove notes.txt\nremove " + escape +
                                              "\nremove Backups\n" + "Alice/Alice.lck\n");
    stage(folder.path(), "Alice.use", "staged");  // staged but not in the journal
    ASSERT_TRUE(finishInterruptedCommit(folder.path()));
    EXPECT_EQ(folder.read("Alice.lck"), "live lock");
    EXPECT_EQ(folder.read("notes.txt"), "the clerk's");
    EXPECT_EQ(folder.read("Alice.use"), "alice");
    EXPECT_EQ(outside.read("x.use"), "outside");
}

// A process holding the lock until it is killed; its id once it holds it.
// Holds the lock in a child process: for good, or for `releaseAfterMs` and then lets it go,
// as a command clearing stale locks does.
pid_t holdInAnotherProcess(const fs::path& lock, int releaseAfterMs = 0) {
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ready[0]);
        const auto attempt = LockFile::tryAcquire(lock);
        const char held = attempt.lock ? 'y' : 'n';
        (void)!::write(ready[1], &held, 1);
        if (releaseAfterMs > 0) {
            ::usleep(static_cast<useconds_t>(releaseAfterMs) * 1000);
            ::_exit(0);
        }
        for (;;) ::pause();
    }
    ::close(ready[1]);
    char held = 'n';
    const bool told = ::read(ready[0], &held, 1) == 1;
    ::close(ready[0]);
    return told && held == 'y' ? pid : -1;
}

// A pay run stopped while it moved Fay's files in, and what happened to her afterwards.
enum class AfterStop { Nothing, FirstFileMoved, PostedSince, InUse, HeldForAMoment };

struct StoppedRun {
    const char* name;
    AfterStop after;
    bool movedIn;  // her staged files are hers now; otherwise they are kept aside
};

void PrintTo(const StoppedRun& c, std::ostream* os) { *os << c.name; }

class RecoveryTest : public ::testing::TestWithParam<StoppedRun> {};

TEST_P(RecoveryTest, MovesHerInOnlyWhileHerFilesAreThoseTheJournalFound) {
    const StoppedRun& c = GetParam();
    TempFolder folder;
    folder.write("Fay.use", "fay before");
    folder.write("Fay.yrw", "ledger before");
    folder.write("Gus.use", "gus before");
    stage(folder.path(), "Fay.use", "fay after");
    stage(folder.path(), "Fay.yrw", "ledger after");
    stage(folder.path(), "Gus.use", "gus after");
    std::string journal;
    for (const char* file : {"Fay.use", "Fay.yrw"}) {
        journal += journalMoveLine(folder.path(), "Fay", file);
    }
    journal += journalMoveLine(folder.path(), "Gus", "Gus.use");
    folder.write(".corvanta-run-journal", journal);
    pid_t holder = 0;
    switch (c.after) {
        case AfterStop::Nothing:
            break;
        case AfterStop::FirstFileMoved:
            fs::rename(stagedFilePath(folder.path(), "Fay.use"), folder / "Fay.use");
            break;
        case AfterStop::PostedSince:
            // Written by a program that did not know of the journal: never overwritten.
            folder.write("Fay.yrw", "ledger posted after the stop");
            break;
        case AfterStop::InUse:
            // Another program holds her (it opened her before this recovery ran).
            holder = holdInAnotherProcess(folder / "Fay.lck");
            ASSERT_GT(holder, 0);
            break;
        case AfterStop::HeldForAMoment:
            // Another command clearing stale locks takes hers over and lets it go at once.
            holder = holdInAnotherProcess(folder / "Fay.lck", 150);
            ASSERT_GT(holder, 0);
            break;
    }
    const auto beforeRecovery = folderBytes(folder.path());
    const CommitRecovery recovery = recoverInterruptedCommit(folder.path());
    if (holder > 0) {
        ::kill(holder, SIGKILL);
        ::waitpid(holder, nullptr, 0);
    }
    EXPECT_TRUE(recovery.found);
    EXPECT_FALSE(folder.exists(".corvanta-run-journal"));
    EXPECT_EQ(folder.read("Gus.use"), "gus after");  // the others are moved in all the same
    if (c.movedIn) {
        EXPECT_EQ(folder.read("Fay.use"), "fay after");
        EXPECT_EQ(folder.read("Fay.yrw"), "ledger after");
        EXPECT_TRUE(recovery.setAside.empty());
        EXPECT_EQ(setAsideMessage(recovery), "");
        return;
    }
    EXPECT_EQ(folder.read("Fay.use"), beforeRecovery.at("Fay.use"));
    EXPECT_EQ(folder.read("Fay.yrw"), beforeRecovery.at("Fay.yrw"));
    ASSERT_EQ(recovery.setAside.size(), 2u);
    for (const std::string& kept : recovery.setAside) {
        EXPECT_TRUE(fs::exists(folder / kept)) << kept;
        EXPECT_NE(setAsideMessage(recovery).find(kept), std::string::npos);
    }
    EXPECT_EQ(folder.read(recovery.setAside[1]), "ledger after");
}

INSTANTIATE_TEST_SUITE_P(
    Stops, RecoveryTest,
    ::testing::Values(StoppedRun{"NothingMovedYet", AfterStop::Nothing, true},
                      StoppedRun{"StoppedBetweenHerFiles", AfterStop::FirstFileMoved, true},
                      StoppedRun{"PostedAfterTheStop", AfterStop::PostedSince, false},
                      StoppedRun{"HeldByAnotherProgram", AfterStop::InUse, false},
                      StoppedRun{"HeldForAMoment", AfterStop::HeldForAMoment, true}),
    [](const auto& info) { return std::string(info.param.name); });

// A pay run moving its files in, in another process: it holds the folder and Fay while it
// moves her staged file in, then removes its journal. Returns its id once it holds both.
pid_t liveMoveInAnotherProcess(const fs::path& folder) {
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ready[0]);
        auto folderLock = LockFile::tryAcquire(folder / kFolderLockFile);
        auto fay = LockFile::tryAcquire(folder / "Fay.lck");
        const char held = folderLock.lock && fay.lock ? 'y' : 'n';
        (void)!::write(ready[1], &held, 1);
        ::usleep(300000);
        std::error_code ec;
        fs::rename(stagedFilePath(folder, "Fay.use"), folder / "Fay.use", ec);
        fs::remove(folder / kRunJournal, ec);
        ::_exit(0);  // the locks go with the process
    }
    ::close(ready[1]);
    char held = 'n';
    const bool told = ::read(ready[0], &held, 1) == 1;
    ::close(ready[0]);
    return told && held == 'y' ? pid : -1;
}

// A command that starts while a live run moves its files waits for the run instead of taking
// its journal for an interrupted one and setting its employee's files aside.
TEST(FolderCommit, ALiveMoveIsLeftToItsWriter) {
    TempFolder folder;
    folder.write("Fay.use", "fay before");
    stage(folder.path(), "Fay.use", "fay after");
    folder.write(kRunJournal, journalMoveLine(folder.path(), "Fay", "Fay.use"));
    const pid_t writer = liveMoveInAnotherProcess(folder.path());
    ASSERT_GT(writer, 0);
    const CommitRecovery recovery = recoverInterruptedCommit(folder.path());
    ::waitpid(writer, nullptr, 0);
    EXPECT_TRUE(recovery.setAside.empty()) << setAsideMessage(recovery);
    EXPECT_EQ(folder.read("Fay.use"), "fay after");
    EXPECT_FALSE(folder.exists(kRunJournal));
}

// Every command completes the stopped move before it reads: the ledger shows her whole.
TEST(FolderCommit, EachCommandCompletesAStoppedMoveBeforeItReads) {
    TempFolder folder;
    folder.copyFederalTable();
    ASSERT_EQ(runCli({"new", "Fay", "--dir", folder.path().string()}).exitCode, 0);
    TempFolder after;
    copyFolderFiles(folder.path(), after.path());
    ASSERT_EQ(runCli({"calc", "--user", "Fay", "--straight", "40", "--week", "1/5/2008", "--post",
                      "1", "--dir", after.path().string()})
                  .exitCode,
              0);
    std::string journal;
    for (const auto& [name, bytes] : folderBytes(after.path())) {
        if (name.rfind("Fay.", 0) != 0 || isLockFileName(name)) continue;
        stage(folder.path(), name, bytes);
        journal += journalMoveLine(folder.path(), "Fay", name);
    }
    folder.write(".corvanta-run-journal", journal);
    const CliResult r = runCli({"ledger", "--user", "Fay", "--dir", folder.path().string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("1/5/2008"), std::string::npos) << r.out;
    EXPECT_FALSE(folder.exists(".corvanta-run-journal"));
    EXPECT_EQ(folder.read("Fay.yrw"), after.read("Fay.yrw"));
}

}  // namespace
}  // namespace corvanta::testing

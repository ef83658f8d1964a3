// The journal that moves staged files into the folder: a restore's moves and removals are
// finished after a stop as a pay run's are, and a journal line never reaches a file that is
// not one of the folder's own.
#include <gtest/gtest.h>

#include "base/files/file_io.h"
#include "session/payroll/employee_commit.h"
#include "session/payroll/folder_file_kind.h"
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

}  // namespace
}  // namespace corvanta::testing

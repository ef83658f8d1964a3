// What a backup takes of the folder, and under which name.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

#include "backup/folder_backup.h"
#include "backup/folder_restore.h"
#include "base/core/user_error.h"
#include "support/archive_builder.h"
#include "support/cli_runner.h"
#include "support/folder_bytes.h"
#include "support/temp_folder.h"

namespace corvanta::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> backupNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder / "Backups")) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(BackupContents, BackupsInTheSameSecondGetNamesOfTheirOwn) {
    TempFolder folder;
    folder.write("Alice.use", "first");
    // Three backups take well under a second each, so at least two share one.
    for (const char* content : {"first", "second", "third"}) {
        folder.write("Alice.use", content);
        const CliResult written = runCli({"backup", "--dir", folder.path()});
        ASSERT_EQ(written.exitCode, 0) << written.err;
    }
    const auto names = backupNames(folder.path());
    ASSERT_EQ(names.size(), 3U);
    for (const std::string& name : names) {
        EXPECT_TRUE(std::regex_match(
            name, std::regex("Corvanta backup \\d{4}-\\d\\d-\\d\\d \\d{6}(-[23])?\\.tar\\.gz")))
            << name;
    }
    // Each holds its own moment.
    std::set<std::string> contents;
    for (const std::string& name : names) {
        TempFolder elsewhere;
        const CliResult restored =
            runCli({"backup", "--restore", (folder / "Backups" / name).string(), "--yes", "--dir",
                    elsewhere.path()});
        ASSERT_EQ(restored.exitCode, 0) << restored.err;
        contents.insert(elsewhere.read("Alice.use"));
    }
    EXPECT_EQ(contents, (std::set<std::string>{"first", "second", "third"}));
}

TEST(BackupContents, ASymbolicLinkIsSkippedAndNamed) {
    TempFolder outside;
    outside.write("secret.txt", "not the folder's");
    TempFolder folder;
    folder.write("Alice.use", "alice");
    fs::create_symlink(outside / "secret.txt", folder / "Linked.use");
    const std::string archive = (folder / "b.tar.gz").string();
    const CliResult written = runCli({"backup", "--dir", folder.path(), "--to", archive});
    ASSERT_EQ(written.exitCode, 0) << written.err;
    EXPECT_NE((written.out + written.err).find("Linked.use"), std::string::npos) << written.out;

    TempFolder elsewhere;
    ASSERT_EQ(runCli({"backup", "--restore", archive, "--yes", "--dir", elsewhere.path()}).exitCode,
              0);
    EXPECT_TRUE(elsewhere.exists("Alice.use"));
    EXPECT_FALSE(elsewhere.exists("Linked.use"));
}

// A script may run in the "C" locale, which cannot translate a name beyond ASCII.
TEST(BackupContents, NamesBeyondAsciiGoThroughWhateverTheLocale) {
    TempFolder folder;
    folder.write("Zo\xc3\xab.use", "zoe");
    folder.write("01_04_08  Zo\xc3\xab.prv", "period");
    const std::string archive = (folder / "Backups" / "b.tar.gz").string();
    const std::string cli = std::string("LC_ALL=C ") + CORVANTA_CLI + " backup ";
    const CliResult written =
        runShell(cli + "--dir " + shellQuote(folder.path()) + " --to " + shellQuote(archive));
    ASSERT_EQ(written.exitCode, 0) << written.err;
    TempFolder elsewhere;
    const CliResult restored = runShell(cli + "--restore " + shellQuote(archive) + " --yes --dir " +
                                        shellQuote(elsewhere.path()));
    ASSERT_EQ(restored.exitCode, 0) << restored.err;
    EXPECT_EQ(folderBytes(elsewhere.path()), folderBytes(folder.path()));
}

TEST(BackupContents, DatedNamesCountOnWithinOneSecond) {
    TempFolder folder;
    const std::time_t when = 1199441700;  // one second for all three
    std::vector<std::string> names;
    for (const char* content : {"first", "second", "third"}) {
        folder.write("Alice.use", content);
        names.push_back(writeDatedBackup(folder.path(), when).archive.filename().string());
    }
    const std::string stem = fs::path(names[0]).stem().stem().string();
    EXPECT_EQ(names[1], stem + "-2.tar.gz");
    EXPECT_EQ(names[2], stem + "-3.tar.gz");
    auto sorted = names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(backupNames(folder.path()), sorted);  // nothing else left in Backups
    EXPECT_EQ(defaultBackupPath(folder.path(), when).filename(), stem + "-4.tar.gz");
    TempFolder elsewhere;
    restoreBackup(folder / "Backups" / names[0], elsewhere.path());
    EXPECT_EQ(elsewhere.read("Alice.use"), "first");
}

TEST(BackupContents, ARestoreRemovesOnlyTheFilesOfItsEmployeesThatItDoesNotHold) {
    TempFolder folder;
    folder.write("Alice.use", "alice");
    folder.write("Federal08.dtt", "table");
    const fs::path archive = folder / "Backups" / "b.tar.gz";
    writeBackup(folder.path(), archive);
    // Made after the backup: Alice's state file goes; the rest is not hers or not data.
    const std::map<std::string, std::string> after{
        {"Alice.use", "alice"}, {"Federal08.dtt", "table"}, {"01_04_08  Alice.prv", "period"},
        {"Bob.sta", "bob"},     {"Company.sav", "company"}, {"notes.txt", "notes"}};
    for (const auto& [name, bytes] : after) folder.write(name, bytes);
    folder.write("Alice.sta", "made later");
    EXPECT_EQ(restoreBackup(archive, folder.path()),
              (std::vector<std::string>{"Alice.use", "Federal08.dtt"}));
    EXPECT_EQ(folderBytes(folder.path()), after);
}

// The company is the folder's, like the heading: backed up and put back whole.
TEST(BackupContents, TheCompanyIsBackedUpAndRestored) {
    TempFolder folder;
    const std::string company =
        "\"Prairie Feed\",\"400 Locust St\",\"Des Moines\",\"IA\",\"50309\",\"42-1234567\","
        "\"\"\r\n\"Iowa\",\"none\",\"monthly\",1001\r\n\"\",\"\",\"\"\r\n";
    folder.write("Company.sav", company);
    folder.write("Alice.use", "alice");
    const fs::path archive = folder / "Backups" / "b.tar.gz";
    writeBackup(folder.path(), archive);
    folder.write("Company.sav", "changed");
    EXPECT_EQ(restoreBackup(archive, folder.path()),
              (std::vector<std::string>{"Alice.use", "Company.sav"}));
    EXPECT_EQ(folder.read("Company.sav"), company);
}

// The check register too: a restore without it would print its numbers again.
TEST(BackupContents, TheCheckRegisterIsBackedUpAndRestored) {
    TempFolder folder;
    const std::string checks =
        "1002\r\n1001,\"1/9/2008\",\"Alice\",\"Alice Ames\",512.3,\"1/5/2008\",\"issued\"\r\n";
    folder.write("Checks.sav", checks);
    folder.write("Alice.use", "alice");
    const fs::path archive = folder / "Backups" / "b.tar.gz";
    writeBackup(folder.path(), archive);
    folder.write("Checks.sav", "1001\r\n");
    EXPECT_EQ(restoreBackup(archive, folder.path()),
              (std::vector<std::string>{"Alice.use", "Checks.sav"}));
    EXPECT_EQ(folder.read("Checks.sav"), checks);
}

// A folder of a backed-up file's name would stop the move half way, past the point of return.
TEST(BackupContents, ARestoreIsRefusedBeforeAnythingChangesWhenAFolderIsInTheWay) {
    TempFolder folder;
    folder.write("Alice.use", "alice");
    folder.write("Alice.sta", "state");
    folder.write("Bob.use", "bob");
    const fs::path archive = folder / "Backups" / "b.tar.gz";
    writeBackup(folder.path(), archive);
    folder.write("Alice.use", "alice now");
    fs::remove(folder / "Alice.sta");
    fs::create_directory(folder / "Alice.sta");
    const auto before = folderBytes(folder.path());
    EXPECT_THROW(restoreBackup(archive, folder.path()), UserError);
    EXPECT_EQ(folderBytes(folder.path()), before);
    EXPECT_TRUE(fs::is_directory(folder / "Alice.sta"));
    EXPECT_FALSE(fs::exists(folder / ".corvanta-run-journal"));
    EXPECT_FALSE(fs::exists(folder / ".corvanta-run"));
}

// Backups written before the manifest went last, by an older version, still restore.
TEST(BackupContents, AnArchiveWithItsManifestFirstRestores) {
    TempFolder folder;
    const fs::path archive = folder / "older.tar.gz";
    ArchiveBuilder()
        .file("Alice.use", "alice")
        .file("01_04_08  Alice.prv", "period")
        .file("Header.sav", "Acme")
        .write(archive);
    EXPECT_TRUE(verifyBackup(archive).problems.empty());
    TempFolder elsewhere;
    restoreBackup(archive, elsewhere.path());
    EXPECT_EQ(
        folderBytes(elsewhere.path()),
        (std::map<std::string, std::string>{
            {"Alice.use", "alice"}, {"01_04_08  Alice.prv", "period"}, {"Header.sav", "Acme"}}));
}

// The limits are checked before a member's bytes are read, the whole archive's too.
TEST(BackupContents, AnArchiveBeyondItsLimitsIsRefusedBeforeItIsUnpacked) {
    TempFolder folder;
    const fs::path archive = folder / "big.tar.gz";
    const std::string kilobyte(1024, 'x');
    ArchiveBuilder()
        .file("Alice.use", kilobyte)
        .file("Bob.use", kilobyte)
        .file("Carol.use", kilobyte)
        .write(archive);
    EXPECT_TRUE(verifyBackup(archive).problems.empty());
    const BackupCheck perFile = verifyBackup(archive, {.memberBytes = 1000});
    ASSERT_FALSE(perFile.problems.empty());
    EXPECT_EQ(perFile.problems[0].rfind("Alice.use: 1024 bytes, more than", 0), 0U)
        << perFile.problems[0];
    const BackupCheck inAll = verifyBackup(archive, {.totalBytes = 2500});
    ASSERT_EQ(inAll.problems.size(), 1U);
    EXPECT_NE(inAll.problems[0].find("Carol.use: the archive unpacks to more than"),
              std::string::npos)
        << inAll.problems[0];
    TempFolder elsewhere;
    RestoreOptions options;
    options.limits.totalBytes = 2500;
    EXPECT_THROW(restoreBackup(archive, elsewhere.path(), options), UserError);
    EXPECT_TRUE(fs::is_empty(elsewhere.path()));
}

}  // namespace
}  // namespace corvanta::testing

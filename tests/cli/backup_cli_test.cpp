// Backups of the working folder: what goes in, the manifest's check, and a restore that gives
// the folder back byte for byte.
#include <gtest/gtest.h>

#include <map>

#include "support/cli_runner.h"
#include "support/employee_folder.h"
#include "support/folder_bytes.h"
#include "support/temp_folder.h"

namespace corvanta::testing {
namespace {

TEST(Backup, RestoreGivesTheFolderBackByteForByte) {
    TempFolder folder;
    folder.copyFederalTable();
    EmployeeFolderMaker(7).make(folder.path(), 6);
    folder.write("Header.sav", "Acme Payroll\r\n");
    const auto before = folderBytes(folder.path());
    const std::string archive = (folder / "b.tar.gz").string();
    ASSERT_EQ(runCli({"backup", "--dir", folder.path(), "--to", archive}).exitCode, 0);
    const CliResult verified = runCli({"backup", "--verify", archive});
    EXPECT_EQ(verified.exitCode, 0) << verified.err;

    // Damage every file, remove one, then restore.
    for (const auto& [name, bytes] : before) folder.write(name, bytes + "x");
    std::filesystem::remove(folder / "emp0.use");
    const CliResult restored =
        runCli({"backup", "--restore", archive, "--yes", "--dir", folder.path()});
    ASSERT_EQ(restored.exitCode, 0) << restored.err;
    auto after = folderBytes(folder.path());
    after.erase("b.tar.gz");
    EXPECT_EQ(after, before);
}

TEST(Backup, DefaultNameIsDatedInBackupsFolder) {
    TempFolder folder;
    folder.write("a.use", "x");
    ASSERT_EQ(runCli({"backup", "--dir", folder.path()}).exitCode, 0);
    const auto backups = folderBytes(folder / "Backups");
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_TRUE(
        std::regex_match(backups.begin()->first,
                         std::regex("Corvanta backup \\d{4}-\\d\\d-\\d\\d \\d{6}\\.tar\\.gz")));
}

TEST(Backup, RefusesDamagedArchivesAndRestoresNothingUnasked) {
    TempFolder folder;
    folder.write("a.use", "first");
    const std::string archive = (folder / "b.tar.gz").string();
    ASSERT_EQ(runCli({"backup", "--dir", folder.path(), "--to", archive}).exitCode, 0);
    folder.write("a.use", "second");
    // Without --yes and no answer nothing is restored.
    EXPECT_NE(runCli({"backup", "--restore", archive, "--dir", folder.path()}).exitCode, 0);
    EXPECT_EQ(folder.read("a.use"), "second");

    std::string bytes = folder.read("b.tar.gz");
    bytes[bytes.size() / 2] ^= 0x55;
    folder.write("bad.tar.gz", bytes);
    folder.write("junk.tar.gz", "not an archive");
    for (const char* bad : {"bad.tar.gz", "junk.tar.gz", "missing.tar.gz"}) {
        const std::string path = (folder / bad).string();
        EXPECT_NE(runCli({"backup", "--verify", path}).exitCode, 0) << bad;
        EXPECT_NE(runCli({"backup", "--restore", path, "--yes", "--dir", folder.path()}).exitCode,
                  0)
            << bad;
        EXPECT_EQ(folder.read("a.use"), "second") << bad;
    }
}

}  // namespace
}  // namespace corvanta::testing

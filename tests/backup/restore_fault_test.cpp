// A restore is all or nothing: a disk that fills part way (a file-size limit stands in for it)
// leaves the folder as it was, and the command line keeps the folder in a backup first.
#include <gtest/gtest.h>

#include <random>

#include "support/cli_runner.h"
#include "support/temp_folder.h"
#include "support/tree_bytes.h"

namespace corvanta::testing {
namespace {

namespace fs = std::filesystem;

std::string noise(std::size_t size) {
    std::mt19937 random(42);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xff);
    return bytes;
}

// The folder's data and hidden files: everything but the Backups folder.
std::map<std::string, std::string> dataTree(const fs::path& folder) {
    auto tree = treeBytes(folder);
    std::erase_if(tree, [](const auto& entry) { return entry.first.starts_with("Backups"); });
    return tree;
}

// Runs the command line with files limited to `kilobytes`; a write beyond it fails with
// "File too large" instead of ending the program.
CliResult runLimited(int kilobytes, const std::vector<std::string>& args) {
    std::string command = "trap '' XFSZ; ulimit -f " + std::to_string(kilobytes) + "; exec " +
                          std::string(CORVANTA_CLI);
    for (const std::string& a : args) command += " " + shellQuote(a);
    return runShell("bash -c " + shellQuote(command));
}

TEST(BackupRestore, AFullDiskPartWayLeavesTheFolderByteForByteAsItWas) {
    TempFolder folder;
    // As backed up: a period and two employees, one with a large table that no longer fits.
    folder.write("01_04_08  Alice.prv", "period as backed up\r\n");
    folder.write("Alice.use", "alice as backed up\r\n");
    folder.write("Zoe.use", "zoe as backed up\r\n");
    folder.write("Zoe.nci", noise(std::size_t{200} * 1024));
    const std::string archive = (folder / "Backups" / "before.tar.gz").string();
    ASSERT_EQ(runCli({"backup", "--dir", folder.path(), "--to", archive}).exitCode, 0);

    // Since then: the period is gone, Alice and Zoe changed.
    fs::remove(folder / "01_04_08  Alice.prv");
    folder.write("Alice.use", "alice now\r\n");
    folder.write("Zoe.use", "zoe now\r\n");
    folder.write("Zoe.nci", "small now\r\n");
    const auto before = dataTree(folder.path());

    const CliResult restored =
        runLimited(64, {"backup", "--restore", archive, "--yes", "--dir", folder.path()});
    EXPECT_EQ(restored.exitCode, 1) << restored.out << restored.err;
    EXPECT_NE(restored.err.find("not restored"), std::string::npos) << restored.err;
    EXPECT_NE(restored.err.find("folder was not changed"), std::string::npos) << restored.err;
    EXPECT_EQ(dataTree(folder.path()), before);
}

TEST(BackupRestore, TheCommandLineKeepsTheFolderInABackupFirstAndNamesIt) {
    TempFolder folder;
    folder.write("Alice.use", "alice as backed up\r\n");
    const std::string archive = (folder / "b.tar.gz").string();
    ASSERT_EQ(runCli({"backup", "--dir", folder.path(), "--to", archive}).exitCode, 0);
    folder.write("Alice.use", "alice now\r\n");

    const CliResult restored =
        runCli({"backup", "--restore", archive, "--yes", "--dir", folder.path()});
    ASSERT_EQ(restored.exitCode, 0) << restored.err;
    EXPECT_EQ(folder.read("Alice.use"), "alice as backed up\r\n");
    std::vector<fs::path> kept;
    for (const auto& e : fs::directory_iterator(folder / "Backups")) kept.push_back(e.path());
    ASSERT_EQ(kept.size(), 1U);
    EXPECT_NE(restored.out.find(kept[0].filename().string()), std::string::npos) << restored.out;

    // The kept backup gives the folder back as it was before the restore.
    ASSERT_EQ(
        runCli({"backup", "--restore", kept[0].string(), "--yes", "--dir", folder.path()}).exitCode,
        0);
    EXPECT_EQ(folder.read("Alice.use"), "alice now\r\n");
}

}  // namespace
}  // namespace corvanta::testing

// Archives are untrusted input: whatever one holds, a verify or a restore refuses it with a
// message naming the archive and the member, and the folder stays as it was, byte for byte,
// with nothing written beside it.
#include <gtest/gtest.h>

#include <functional>

#include "support/archive_builder.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"
#include "support/tree_bytes.h"

namespace corvanta::testing {
namespace {

namespace fs = std::filesystem;
using Kind = ArchiveBuilder::Kind;

struct HostileArchive {
    const char* name;
    std::function<void(ArchiveBuilder&, const fs::path& root)> build;
    const char* named;  // what the refusal names
};

void PrintTo(const HostileArchive& c, std::ostream* os) { *os << c.name; }

// A restorable archive of the folder's own files, to which each case adds its trouble.
ArchiveBuilder soundPart() {
    ArchiveBuilder b;
    b.file("Alice.use", "alice as backed up\r\n").file("Bob.use", "bob as backed up\r\n");
    return b;
}

const std::string kZeroHash = sha256Of("");

class HostileArchiveTest : public ::testing::TestWithParam<HostileArchive> {};

TEST_P(HostileArchiveTest, IsRefusedAndChangesNothing) {
    TempFolder root;
    const fs::path work = root / "work";
    fs::create_directory(work);
    const auto put = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(work / name, std::ios::binary) << bytes;
    };
    put("Alice.use", "alice now\r\n");
    put("Alice.sta", "alice state\r\n");
    put("Alice.lck", "held by a running session\r\n");
    put("Bob.use", "bob now\r\n");
    put("01_04_08  Alice.prv", "period\r\n");
    put("Federal08.dtt", "federal table\r\n");
    put("Header.sav", "Acme\r\n");
    fs::create_directory(work / "Backups");
    put("Backups/earlier.tar.gz", "an earlier backup");
    fs::create_directory(root / "archives");
    const fs::path archive = root / "archives" / "hostile.tar.gz";
    ArchiveBuilder builder = soundPart();
    GetParam().build(builder, root.path());
    builder.write(archive);
    // Everything under the root, the archive's own bytes left out of the messages.
    const auto snapshot = [&] {
        auto tree = treeBytes(root.path());
        tree.erase("archives/hostile.tar.gz");
        return tree;
    };
    const auto before = snapshot();

    const CliResult verified = runCli({"backup", "--verify", archive.string()});
    EXPECT_EQ(verified.exitCode, 1) << verified.out << verified.err;
    EXPECT_NE(verified.err.find(GetParam().named), std::string::npos) << verified.err;
    EXPECT_NE(verified.err.find("hostile.tar.gz"), std::string::npos) << verified.err;

    const CliResult restored =
        runCli({"backup", "--restore", archive.string(), "--yes", "--dir", work.string()});
    EXPECT_EQ(restored.exitCode, 1) << restored.out << restored.err;
    EXPECT_NE(restored.err.find(GetParam().named), std::string::npos) << restored.err;
    EXPECT_NE(restored.err.find("hostile.tar.gz"), std::string::npos) << restored.err;
    EXPECT_EQ(snapshot(), before);
}

constexpr std::uint64_t kHugeMember = std::uint64_t{100} << 20;

INSTANTIATE_TEST_SUITE_P(
    Backup, HostileArchiveTest,
    ::testing::Values(
        HostileArchive{"LockFileMember",
                       [](ArchiveBuilder& b, const fs::path&) {
                           b.file("Alice.lck", "a lock from the archive");
                       },
                       "Alice.lck"},
        HostileArchive{"FolderLockMember",
                       [](ArchiveBuilder& b, const fs::path&) { b.file("Folder.flk", "x"); },
                       "Folder.flk"},
        HostileArchive{
            "EmployeeNamedLikeTheFederalTable",
            [](ArchiveBuilder& b, const fs::path&) { b.file("Federal08.use", "not an employee"); },
            "Federal08.use"},
        HostileArchive{
            "EmployeeNamedLikeTheHeading",
            [](ArchiveBuilder& b, const fs::path&) { b.file("Header.use", "not an employee"); },
            "Header.use"},
        HostileArchive{"BackupsAsAFile",
                       [](ArchiveBuilder& b, const fs::path&) { b.file("Backups", "x"); },
                       "Backups"},
        HostileArchive{"FolderMember",
                       [](ArchiveBuilder& b, const fs::path&) { b.folder("Carol.use"); },
                       "Carol.use"},
        HostileArchive{"JournalMember",
                       [](ArchiveBuilder& b, const fs::path&) {
                           b.file(".corvanta-run-journal", "Alice/Alice.use\n");
                       },
                       ".corvanta-run-journal"},
        HostileArchive{"StagedMember",
                       [](ArchiveBuilder& b, const fs::path&) {
                           b.file(".corvanta-run/Alice/Alice.use", "staged");
                       },
                       ".corvanta-run/Alice/Alice.use"},
        HostileArchive{"SizeBeyondAnyNumber",
                       [](ArchiveBuilder& b, const fs::path&) {
                           b.file("Carol.use", "carol")
                               .manifest(sha256Of("carol") +
                                         "  99999999999999999999999  Carol.use\n");
                       },
                       "99999999999999999999999"},
        HostileArchive{
            "SizeNotANumber",
            [](ArchiveBuilder& b, const fs::path&) {
                b.file("Carol.use", "carol").manifest(sha256Of("carol") + "  xyz  Carol.use\n");
            },
            "xyz"},
        HostileArchive{"HashNotHexadecimal",
                       [](ArchiveBuilder& b, const fs::path&) {
                           b.file("Carol.use", "carol").manifest("zz  5  Carol.use\n");
                       },
                       "Carol.use"},
        HostileArchive{
            "HugeSparseMember",
            [](ArchiveBuilder& b, const fs::path&) { b.sparse("Carol.yrw", kHugeMember); },
            "Carol.yrw"},
        HostileArchive{"NameListedTwiceHidesAnUnlistedMember",
                       [](ArchiveBuilder& b, const fs::path&) {
                           b.file("Mallory.use", "unlisted")
                               .manifest(sha256Of("alice as backed up\r\n") + "  20  Alice.use\n" +
                                         sha256Of("alice as backed up\r\n") + "  20  Alice.use\n" +
                                         sha256Of("bob as backed up\r\n") + "  18  Bob.use\n");
                       },
                       "Alice.use"},
        HostileArchive{"MemberTwice",
                       [](ArchiveBuilder& b, const fs::path&) {
                           b.file("Alice.use", "a second alice")
                               .manifest(sha256Of("a second alice") + "  14  Alice.use\n" +
                                         sha256Of("bob as backed up\r\n") + "  18  Bob.use\n");
                       },
                       "Alice.use"},
        HostileArchive{"HardLinkMember",
                       [](ArchiveBuilder& b, const fs::path&) {
                           b.link(Kind::kHardLink, "Eve.use", "Alice.use");
                       },
                       "Eve.use"},
        HostileArchive{"SymbolicLinkMember",
                       [](ArchiveBuilder& b, const fs::path&) {
                           b.link(Kind::kSymlink, "Eve.use", "/etc/passwd");
                       },
                       "Eve.use"},
        HostileArchive{"PathOutOfTheFolder",
                       [](ArchiveBuilder& b, const fs::path&) { b.file("../x.use", "escaped"); },
                       "../x.use"},
        HostileArchive{"AbsolutePath",
                       [](ArchiveBuilder& b, const fs::path& root) {
                           b.file((root / "abs.use").string(), "escaped");
                       },
                       "abs.use"},
        HostileArchive{"EmptyManifest", [](ArchiveBuilder& b, const fs::path&) { b.manifest(""); },
                       "Alice.use"}),
    [](const ::testing::TestParamInfo<HostileArchive>& info) { return info.param.name; });

}  // namespace
}  // namespace corvanta::testing

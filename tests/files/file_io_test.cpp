#include "base/files/file_io.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <vector>

#include "base/core/user_error.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::TempFolder;

mode_t modeOf(const std::filesystem::path& p) {
    struct stat st {};
    ::stat(p.c_str(), &st);
    return st.st_mode & 07777;
}

struct UmaskCase {
    mode_t umask;
    mode_t created;
};

class NewFileModeTest : public ::testing::TestWithParam<UmaskCase> {};

// New files get what the umask allows the owner and the group, never anything for others
// (they were owner-only, so a second account in a group folder could not read them); a
// rewrite keeps the mode the file has.
TEST_P(NewFileModeTest, FollowsTheUmaskWithinTheGroupAndRewritesKeepTheMode) {
    TempFolder folder;
    const mode_t previous = ::umask(GetParam().umask);
    const auto file = folder / "Smith.use";
    writeFileAtomically(file, "one\r\n");
    EXPECT_EQ(folder.read("Smith.use"), "one\r\n");
    EXPECT_EQ(modeOf(file), GetParam().created);
    ::chmod(file.c_str(), 0640);
    writeFileAtomically(file, "two\r\n", false);
    EXPECT_EQ(folder.read("Smith.use"), "two\r\n");
    EXPECT_EQ(modeOf(file), 0640u);
    ::umask(previous);
}

INSTANTIATE_TEST_SUITE_P(Umasks, NewFileModeTest,
                         ::testing::Values(UmaskCase{077, 0600}, UmaskCase{027, 0640},
                                           UmaskCase{022, 0640}, UmaskCase{002, 0660},
                                           UmaskCase{000, 0660}),
                         [](const auto& info) {
                             return "umask0" + std::to_string(info.param.umask / 8) +
                                    std::to_string(info.param.umask % 8);
                         });

ino_t inodeOf(const std::filesystem::path& p) {
    struct stat st {};
    ::stat(p.c_str(), &st);
    return st.st_ino;
}

// A file holding exactly the bytes already is not replaced; any other content replaces it,
// a prefix or a longer text included.
TEST(AtomicWrite, ReplacesAFileOnlyWhenItsBytesChange) {
    struct Case {
        const char* content;
        bool replaced;
    };
    for (const Case& c : std::vector<Case>{{"same\r\n", false},
                                           {"same", true},
                                           {"same\r\n\r\n", true},
                                           {"Same\r\n", true},
                                           {"", true}}) {
        TempFolder folder;
        const auto file = folder / "Smith.hol";
        writeFileAtomically(file, "same\r\n");
        const ino_t before = inodeOf(file);
        writeFileAtomically(file, c.content);
        EXPECT_EQ(folder.read("Smith.hol"), c.content);
        EXPECT_EQ(inodeOf(file) != before, c.replaced) << '"' << c.content << '"';
    }
}

TEST(AtomicWrite, LeavesNoTemporaryFileBehind) {
    TempFolder folder;
    writeFileAtomically(folder / ".use", "x");
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        ++count;
    }
    EXPECT_EQ(count, 1);
}

TEST(AtomicWrite, AFailedWriteKeepsTheOldFileAndNamesIt) {
    TempFolder folder;
    folder.write("Smith.sta", "old content\r\n");
    // A file size limit makes the write fail part way, as a full disk would.
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &small);
    try {
        writeFileAtomically(folder / "Smith.sta", std::string(100, 'x'));
        ADD_FAILURE() << "the write was reported as done";
    } catch (const FileError& e) {
        EXPECT_EQ(e.fileName(), "Smith.sta");
        EXPECT_NE(std::string(e.what()).find("Smith.sta"), std::string::npos);
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(folder.read("Smith.sta"), "old content\r\n");
}

TEST(AtomicWrite, AMissingFolderIsReported) {
    TempFolder folder;
    EXPECT_THROW(writeFileAtomically(folder / "no-such-folder" / "x.use", "x"), FileError);
}

TEST(FileRead, MissingFileIsNoErrorAndAFolderIsNotAFile) {
    TempFolder folder;
    EXPECT_FALSE(readFileIfExists(folder / "none.use").has_value());
    EXPECT_FALSE(canOpenForReading(folder / "none.use"));
    EXPECT_FALSE(canOpenForReading(folder.path()));
    folder.write("a.use", "abc");
    EXPECT_TRUE(canOpenForReading(folder / "a.use"));
    EXPECT_EQ(readFileIfExists(folder / "a.use"), "abc");
}

}  // namespace
}  // namespace corvanta

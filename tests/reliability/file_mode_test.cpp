// Payroll files hold pay and social security numbers: every save path creates them readable
// by no one outside the owner and the folder's group, and a rewrite keeps whatever mode the
// operator gave a file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "save_paths.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::SavePath;
using testing::TempFolder;

mode_t modeOf(const std::filesystem::path& p) {
    struct stat st {};
    ::stat(p.c_str(), &st);
    return st.st_mode & 07777;
}

class FileModes : public ::testing::TestWithParam<SavePath> {};

TEST_P(FileModes, NewFilesAreNeverWorldReadableAndRewritesKeepTheMode) {
    const SavePath& path = GetParam();
    TempFolder folder;
    folder.copyFederalTable();
    const mode_t previousMask = ::umask(0);  // even the most permissive mask gives others nothing
    auto ctx = testing::freshContext(folder.path());
    path.save(ctx, 0);
    int created = 0;
    for (const auto& [name, content] : testing::imageOf(folder.path())) {
        if (name == "Federal08.dtt") continue;
        ++created;
        EXPECT_EQ(modeOf(folder / name), 0660u) << path.name << " created " << name;
        ::chmod((folder / name).c_str(), 0640);
    }
    EXPECT_GT(created, 0) << path.name << " wrote nothing";
    auto again = testing::freshContext(folder.path());
    path.save(again, 1);
    for (const auto& [name, content] : testing::imageOf(folder.path())) {
        if (name == "Federal08.dtt") continue;
        EXPECT_EQ(modeOf(folder / name), 0640u) << path.name << " rewrote " << name;
    }
    ::umask(previousMask);
}

INSTANTIATE_TEST_SUITE_P(EverySavePath, FileModes, ::testing::ValuesIn(testing::savePaths()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace corvanta

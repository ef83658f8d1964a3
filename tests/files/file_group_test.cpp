// Where a file group reads and writes an employee's files: in the folder, or, during a pay
// run, her newest file staged aside.
#include "session/files/file_group.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/case_names.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

struct PlaceCase {
    const char* name;
    bool staging;     // the group has a staging folder
    bool stagedFile;  // her file was already written there
    bool readStaged;  // a read takes the staged file
    bool writeStaged;
};
void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }

class FileGroupPlaces : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(FileGroupPlaces, ReadTheNewestAndWriteWhereTheGroupWrites) {
    const PlaceCase& c = GetParam();
    TempFolder folder;
    FileGroup group{.folder = folder.path()};
    if (c.staging) {
        group.stagedIn = folder / "staged";
        fs::create_directory(group.stagedIn);
        if (c.stagedFile) std::ofstream(group.stagedIn / "Smith.use") << "new";
    }
    const fs::path staged = group.stagedIn / "Smith.use";
    const fs::path own = folder / "Smith.use";
    EXPECT_EQ(group.fileToRead("Smith", ".use"), c.readStaged ? staged : own);
    EXPECT_EQ(group.fileToWrite("Smith", ".use"), c.writeStaged ? staged : own);
    EXPECT_EQ(group.fileToRead("", ".sta"), folder / ".sta");  // the default group's
}

INSTANTIATE_TEST_SUITE_P(Cases, FileGroupPlaces,
                         ::testing::Values(PlaceCase{"in_the_folder", false, false, false, false},
                                           PlaceCase{"staged_not_yet_written", true, false, false,
                                                     true},
                                           PlaceCase{"staged_and_written", true, true, true, true}),
                         testing::CaseName());

struct StagedWriteCase {
    const char* name;
    const char* inFolder;  // nullptr: the folder has no such file
    const char* written;
    bool staged;  // the write made a staged file
};
void PrintTo(const StagedWriteCase& c, std::ostream* os) { *os << c.name; }

class StagedWrites : public ::testing::TestWithParam<StagedWriteCase> {};

// A run stages only what changes; the folder's own file is never written while staging.
TEST_P(StagedWrites, StageOnlyWhatChanges) {
    const StagedWriteCase& c = GetParam();
    TempFolder folder;
    if (c.inFolder != nullptr) folder.write("Smith.cti", c.inFolder);
    FileGroup group{.folder = folder.path(), .stagedIn = folder / "staged", .durableWrites = false};
    fs::create_directory(group.stagedIn);
    group.write("Smith", ".cti", c.written);
    EXPECT_EQ(fs::exists(group.stagedIn / "Smith.cti"), c.staged);
    EXPECT_EQ(folder.exists("Smith.cti"), c.inFolder != nullptr);
    if (c.inFolder != nullptr) EXPECT_EQ(folder.read("Smith.cti"), c.inFolder);
    std::ifstream read(group.fileToRead("Smith", ".cti"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(read), {}), c.written);
}

INSTANTIATE_TEST_SUITE_P(Cases, StagedWrites,
                         ::testing::Values(StagedWriteCase{"unchanged", "1,2\r\n", "1,2\r\n",
                                                           false},
                                           StagedWriteCase{"changed", "1,2\r\n", "1,3\r\n", true},
                                           StagedWriteCase{"new_file", nullptr, "1,2\r\n", true}),
                         testing::CaseName());

}  // namespace
}  // namespace corvanta

// Where a file group reads and writes an employee's files: in the folder, or, during a pay
// run, her newest file staged aside.
#include "session/files/file_group.h"

#include <gtest/gtest.h>

#include <fstream>

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

}  // namespace
}  // namespace corvanta

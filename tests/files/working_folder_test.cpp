#include "session/files/working_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/core/user_error.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::TempFolder;

TEST(WorkingFolder, ANewFolderIsMadeAndGetsTheInstalledTable) {
    TempFolder scratch;
    scratch.write("installed.dtt", "table");
    const auto folder = scratch / "Documents/Corvanta";
    prepareWorkingFolder(folder, scratch / "installed.dtt");
    EXPECT_EQ(scratch.read("Documents/Corvanta/Federal08.dtt"), "table");
}

TEST(WorkingFolder, AFolderWithItsOwnTableKeepsIt) {
    TempFolder scratch;
    scratch.write("installed.dtt", "new");
    scratch.write("Federal08.dtt", "edited by the clerk");
    prepareWorkingFolder(scratch.path(), scratch / "installed.dtt");
    EXPECT_EQ(scratch.read("Federal08.dtt"), "edited by the clerk");
}

TEST(WorkingFolder, NoInstalledTableLeavesTheFolderWithoutOne) {
    TempFolder scratch;
    prepareWorkingFolder(scratch / "w", scratch / "missing.dtt");
    EXPECT_TRUE(std::filesystem::is_directory(scratch / "w"));
    EXPECT_FALSE(scratch.exists("w/Federal08.dtt"));
}

TEST(WorkingFolder, AFolderThatCannotBeMadeIsReportedByName) {
    TempFolder scratch;
    scratch.write("file", "x");  // a file where a folder would have to be
    try {
        prepareWorkingFolder(scratch / "file/Corvanta", scratch / "missing.dtt");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("file/Corvanta"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace corvanta

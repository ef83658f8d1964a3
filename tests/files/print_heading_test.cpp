#include "session/files/print_heading.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::TempFolder;

TEST(PrintHeadingFile, FirstUseWritesThePlaceholders) {
    TempFolder dir;
    PayrollContext ctx = dir.context();
    loadHeadingDialog(ctx);
    SaveHeader(ctx);
    EXPECT_EQ(dir.read("Header.sav"), "\"Company\",\"Address\",\"Zip Code\",\"ID Number\"\r\n");
}

TEST(PrintHeadingFile, CommaSurvivesAndQuoteIsReplaced) {
    TempFolder dir;
    PayrollContext ctx = dir.context();
    ctx.heading = {"Acme, Inc.", "1 \"Main\" St", "", "42"};
    SaveHeader(ctx);
    PayrollContext other = dir.context();
    other.UserFileBase = "Jones";  // one heading for every employee
    ReadHeading(other);
    EXPECT_EQ(other.heading.HeadingCompany, "Acme, Inc.");
    EXPECT_EQ(other.heading.HeadingAddress, "1 'Main' St");
    EXPECT_EQ(other.heading.HeadingZip, "");
}

TEST(PrintHeadingFile, MissingFileKeepsAndShortFileIsReported) {
    TempFolder dir;
    PayrollContext ctx = dir.context();
    ctx.heading.HeadingId = "7";
    ReadHeading(ctx);
    EXPECT_EQ(ctx.heading.HeadingId, "7");
    dir.write("Header.sav", "\"A\",\"B\"\r\n");
    EXPECT_THROW(ReadHeading(ctx), FileError);
    EXPECT_EQ(ctx.heading.HeadingId, "7");
}

}  // namespace
}  // namespace corvanta

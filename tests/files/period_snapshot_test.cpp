#include "session/files/period_snapshot.h"

#include <gtest/gtest.h>

#include "support/case_names.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::TempFolder;

struct NameCase {
    const char* name;
    const char* date;
    const char* base;
    const char* file;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class SnapshotName : public ::testing::TestWithParam<NameCase> {};

TEST_P(SnapshotName, FollowsTheDateAndBase) {
    EXPECT_EQ(periodSnapshotName(GetParam().date, GetParam().base), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SnapshotName,
    ::testing::Values(NameCase{"date_with_slashes", "1/5/2008", "Smith", "1_5_2008  Smith.prv"},
                      NameCase{"month_name", "Jan 5", "Smith", "Jan 5  Smith.prv"},
                      NameCase{"forbidden_characters", "1:5*2008?", "", "1-5-2008-  .prv"},
                      NameCase{"blanks_and_brackets", "a\\b\t<c>", "S", "a-b--c-  S.prv"}),
    testing::CaseName());

class PeriodSnapshotTest : public ::testing::Test {
  protected:
    TempFolder dir;
    PayrollContext ctx = dir.context();
};

TEST_F(PeriodSnapshotTest, SaveWritesEightNumbersAndZeroesBlankBoxes) {
    ctx.UserFileBase = "Smith";
    ctx.window.txtWeek = "12/31/2008";
    ctx.window.txtAmount = {"40", "", "2.5", "", "", "", "100.25", ""};
    SavePeriodSnapshot(ctx);
    EXPECT_EQ(dir.read("12_31_2008  Smith.prv"),
              "40\r\n0\r\n2.5\r\n0\r\n0\r\n0\r\n100.25\r\n0\r\n");
    EXPECT_EQ(ctx.window.txtAmount[1], "0");
}

TEST_F(PeriodSnapshotTest, EntryThatIsNotANumberWritesNothing) {
    ctx.window.txtWeek = "1/5/2008";
    ctx.window.txtAmount[3] = "1-2";
    ctx.window.txtAmount[1] = "";
    try {
        SavePeriodSnapshot(ctx);
        FAIL() << "\"1-2\" was saved";
    } catch (const UserError& e) {
        EXPECT_NE(std::string(e.what()).find("O.T. TIME AND 1/2"), std::string::npos);
    }
    EXPECT_FALSE(dir.exists("1_5_2008  .prv"));
    EXPECT_EQ(ctx.window.txtAmount[1], "");
}

TEST_F(PeriodSnapshotTest, LoadRestoresBoxesAndDateThenCalculates) {
    dir.copyFederalTable();
    ctx.UserFileBase = "Smith";
    ctx.window.txtWeek = "12/31/2008";
    ctx.window.txtAmount = {"40", "", "", "", "", "", "", ""};
    SavePeriodSnapshot(ctx);
    ctx.window.txtAmount[0] = "";
    ctx.window.txtWeek = "1/1/2008";
    LoadPeriodSnapshot(ctx, dir.path() / "12_31_2008  Smith.prv");
    EXPECT_EQ(ctx.window.txtWeek, "12/31/2008");
    EXPECT_FLOAT_EQ(ctx.result.GrossPay, 300.0f);  // 40 hours at the default 7.50
    EXPECT_TRUE(dir.exists("Smith.use"));          // the calculation saved the employee
}

TEST_F(PeriodSnapshotTest, ShortFileIsReportedAndBoxesKept) {
    dir.write("1_5_2008  X.prv", "1\r\n2\r\n");
    ctx.window.txtAmount[0] = "9";
    EXPECT_THROW(LoadPeriodSnapshot(ctx, dir.path() / "1_5_2008  X.prv"), FileError);
    EXPECT_EQ(ctx.window.txtAmount[0], "9");
}

TEST_F(PeriodSnapshotTest, ShortNameEndsBeforeTheDate) {
    ctx.window.txtWeek = "1/1/2008";
    LoadPeriodSnapshot(ctx, dir.path() / "a.prv");
    EXPECT_EQ(ctx.window.txtWeek, "1/1/2008");
}

// A period kept in another folder is only read from there: the employee's files stay in hers.
TEST_F(PeriodSnapshotTest, LoadFromAnotherFolderKeepsTheEmployeeInHers) {
    dir.copyFederalTable();
    TempFolder elsewhere;
    elsewhere.write("12_31_2008  Smith.prv", "40\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    ctx.UserFileBase = "Smith";
    LoadPeriodSnapshot(ctx, elsewhere.path() / "12_31_2008  Smith.prv");
    EXPECT_EQ(ctx.folder, dir.path());
    EXPECT_FLOAT_EQ(ctx.result.GrossPay, 300.0f);
    EXPECT_TRUE(dir.exists("Smith.use"));
    EXPECT_FALSE(elsewhere.exists("Smith.use"));
}

}  // namespace
}  // namespace corvanta

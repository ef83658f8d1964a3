#include "session/side/leave_record.h"

#include <gtest/gtest.h>

#include "support/case_names.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::TempFolder;

struct BalanceCase {
    const char* name;
    const char* start;
    std::vector<const char*> taken;
    const char* balance;
};

void PrintTo(const BalanceCase& c, std::ostream* os) { *os << c.name; }

class LeaveBalance : public ::testing::TestWithParam<BalanceCase> {};

TEST_P(LeaveBalance, IsStartLessTheEntries) {
    LeaveDialog d;
    d.txtHolBal = GetParam().start;
    for (std::size_t i = 0; i < GetParam().taken.size(); ++i) d.txtHcnt[i] = GetParam().taken[i];
    RecomputeBalance(d, LeaveKind::Holiday);
    EXPECT_EQ(d.lbHolBal, GetParam().balance);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LeaveBalance,
    ::testing::Values(BalanceCase{"two_entries", "10", {"2", "3.5"}, "4.5"},
                      BalanceCase{"blank_entry", "10", {"2", ""}, "8"},
                      BalanceCase{"negative_entry", "10", {"-2"}, "12"},
                      BalanceCase{"blank_start_letters_entry", "", {"abc", "1"}, "-1"},
                      BalanceCase{"nothing_taken", "0", {}, "0"},
                      BalanceCase{"start_too_large", "1e999", {"1"}, "too large"},
                      BalanceCase{"entries_too_large", "10", {"-3e38", "-3e38"}, "too large"}),
    testing::CaseName());

LeaveRecord sampleRecord() {
    LeaveRecord r;
    r.VacationStart = 10;
    r.VacationBalance = 4.5f;
    r.SickStart = 3;
    r.VacationTaken[0] = 2;
    r.VacationTaken[1] = 3.5f;
    r.VacationDates[0] = "1/5/2008";
    r.SickDates[19] = "a, b";
    return r;
}

TEST(LeaveFile, HasFortyOneLinesInTheLayout) {
    const std::string text = formatLeaveFile(sampleRecord());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 41);
    EXPECT_EQ(text.substr(0, 27), "4.5,10,0,0,0,3\r\n2,0,0\r\n3.5,");
    const std::size_t line22 = text.find("\"1/5/2008\"");
    EXPECT_EQ(text.substr(line22, 20), "\"1/5/2008\",\"\",\"\"\r\n\"\"");
    EXPECT_EQ(text.substr(text.size() - 14), "\"\",\"\",\"a, b\"\r\n");
}

class LeaveFiles : public ::testing::Test {
  protected:
    TempFolder dir;
    PayrollContext ctx = dir.context();
};

TEST_F(LeaveFiles, SaveThenGetGivesTheSameRecord) {
    ctx.UserFileBase = "Smith";
    ctx.leave = sampleRecord();
    SaveVac(ctx);  // the dialog was never opened: it shows the record first
    PayrollContext fresh = dir.context();
    fresh.UserFileBase = "Smith";
    GetVac(fresh);
    EXPECT_FLOAT_EQ(fresh.leave.VacationTaken[1], 3.5f);
    EXPECT_EQ(fresh.leave.SickDates[19], "a, b");
    EXPECT_EQ(fresh.leaveDialog.lbVacBal, "4.5");
    EXPECT_EQ(fresh.leaveDialog.txtVdate[0], "1/5/2008");
}

TEST_F(LeaveFiles, SaveTakesTheBoxesAndTheShownBalance) {
    loadLeaveDialog(ctx);
    ctx.leaveDialog.txtVacBal = "10";
    ctx.leaveDialog.txtVcnt[0] = "";
    ctx.leaveDialog.txtVcnt[1] = "2.5";
    RecomputeBalance(ctx.leaveDialog, LeaveKind::Vacation);
    SaveVac(ctx);
    EXPECT_FLOAT_EQ(ctx.leave.VacationBalance, 7.5f);
    EXPECT_FLOAT_EQ(ctx.leave.VacationTaken[0], 0.0f);
    EXPECT_EQ(dir.read(".hol").substr(0, 16), "7.5,10,0,0,0,0\r\n");
}

TEST_F(LeaveFiles, MissingFileKeepsTheRecord) {
    ctx.leave.SickStart = 5;
    loadLeaveDialog(ctx);
    EXPECT_FLOAT_EQ(ctx.leave.SickStart, 5.0f);
    EXPECT_EQ(ctx.leaveDialog.txtSickBal, "5");
}

TEST_F(LeaveFiles, ShortFileIsReportedAndTheRecordKept) {
    dir.write(".hol", "1,2,3,4,5,6\r\n1,2,3\r\n");
    ctx.leave.VacationStart = 9;
    EXPECT_THROW(GetVac(ctx), FileError);
    EXPECT_FLOAT_EQ(ctx.leave.VacationStart, 9.0f);
}

TEST_F(LeaveFiles, ClearWritesNothing) {
    ctx.leave = sampleRecord();
    SaveVac(ctx);
    const std::string before = dir.read(".hol");
    clearVac(ctx);
    EXPECT_FLOAT_EQ(ctx.leave.VacationStart, 0.0f);
    EXPECT_EQ(ctx.leaveDialog.txtVcnt[0], "0");
    EXPECT_EQ(ctx.leaveDialog.lbVacBal, "0");
    EXPECT_EQ(dir.read(".hol"), before);
    loadLeaveDialog(ctx);
    EXPECT_EQ(ctx.leaveDialog.txtVcnt[1], "3.5");
}

// A number no Single holds is refused naming its box; the file keeps its last version.
TEST_F(LeaveFiles, BoxTooLargeToStoreIsRefusedNamingIt) {
    ctx.leave = sampleRecord();
    SaveVac(ctx);
    const std::string before = dir.read(".hol");
    const struct {
        std::string LeaveDialog::*box;
        const char* named;
    } cases[] = {{&LeaveDialog::txtHolBal, "Holiday/Personel Start Balance"},
                 {&LeaveDialog::txtSickBal, "Sick Start Balance"}};
    for (const auto& c : cases) {
        loadLeaveDialog(ctx);
        ctx.leaveDialog.*c.box = "1e999";
        try {
            SaveVac(ctx);
            FAIL() << c.named;
        } catch (const UserError& e) {
            EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
        }
        EXPECT_EQ(dir.read(".hol"), before);
    }
    loadLeaveDialog(ctx);
    ctx.leaveDialog.txtVcnt[3] = std::string(10000, '9');
    EXPECT_THROW(SaveVac(ctx), UserError);
    EXPECT_FLOAT_EQ(ctx.leave.VacationTaken[1], 3.5f);  // nothing taken from the boxes
}

// Clear All, the dialog closed without Save, then the save every calculation runs: the file
// is read back over the cleared record, so the balances on disk stay.
TEST_F(LeaveFiles, UnsavedClearNeverReachesTheFileThroughALaterSave) {
    ctx.leave = sampleRecord();
    SaveVac(ctx);
    const std::string before = dir.read(".hol");
    clearVac(ctx);
    ctx.leaveDialog.loaded = false;  // the dialog was closed by its close box
    SaveVac(ctx);
    EXPECT_EQ(dir.read(".hol"), before);
    EXPECT_FLOAT_EQ(ctx.leave.VacationTaken[1], 3.5f);
}

}  // namespace
}  // namespace corvanta

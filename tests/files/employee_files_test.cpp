#include "session/files/employee_files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "session/core/calculate.h"
#include "session/files/employee_loader.h"
#include "session/state/state_file.h"
#include "session/ytd/ledger_file.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::crlf;
using testing::TempFolder;

TEST(EmployeeFiles, NewWeeklyEmployeeLayout) {
    PayrollContext ctx;
    EXPECT_EQ(formatUseFile(ctx),
              crlf({"0,0,0", "0,0,0", "0,0,0", "\"0\",\"Single\",0", "0,0,0", "0,0,0",
                    "#TRUE#,#FALSE#,\"CrUnion\"", "\"Bond\",\"Dues\",\"Pension\",\"Misc.\"", ",,,",
                    ",,,", ",,,", ",,,"}));
    EXPECT_EQ(formatAndFile(ctx),
              crlf({"0,0,0", "0,0,0", "0,0,0", "#FALSE#,#FALSE#,#FALSE#",
                    "\"Employee's Address for Check\",\"City, State Zip Code\",\"Soc Sec #\"",
                    "\"Employee's Name\",\"\",\"\"", "0,0,0,0", "0,0,0", "1,0"}));
    EXPECT_EQ(formatCafeteriaFile(ctx.profile), crlf({"0,0,0"}));
}

TEST(EmployeeFiles, FilledProfileLayout) {
    PayrollContext ctx;
    EmployeeProfile& p = ctx.profile;
    p.HourlyRate = 12.5f;
    p.HourlyRate2 = 0.75f;
    p.FedExemptions = "2";
    p.FedStatus = "Married";
    p.PensionPercent = 3;
    p.CreditDeduction = 10.25f;
    p.NonCityResident = 1;
    p.PayWeekly = 0;
    p.PayBiWeekly = -1;
    p.CreditLabel = "Credit, Union";
    ctx.overtime.OtEarned = 120.5f;
    ctx.overtime.OtMaximum = 2000;
    ctx.overtime.OtAvailable = 1879.5;
    ctx.overtime.AnnualSalary = 40000;
    ctx.overtime.ApprovedPercent = 5;
    ctx.overtime.OtPercentOfSalary = 0.0523f;
    const std::string use = formatUseFile(ctx);
    EXPECT_EQ(use.substr(0, use.find("\"Bond\"")),
              crlf({"120.5,2000,1879.5", "40000,5,.05", "12.5,.75,0", "\"2\",\"Married\",3",
                    "10.25,0,0", "0,0,1"}) +
                  "#FALSE#,#TRUE#,\"Credit, Union\"\r\n");
}

TEST(EmployeeFiles, RoundTripKeepsEveryFieldAndTheReservedOnes) {
    TempFolder folder;
    PayrollContext out;
    out.folder = folder.path();
    out.UserFileBase = "Smith";
    out.profile.EmployeeName = "John Smith";
    out.profile.EmployeeAddress = "12 Elm St, Apt 3";
    out.profile.KPlanIsPercent = 0;
    out.profile.KPlanIsFixed = 1;
    out.profile.KPlanValue = 25;
    out.profile.CafeteriaAmount = 40;
    out.profile.SelfEmployed = 1;
    out.state.CalAllowance = 3.5f;
    out.state.UseUtah = 1;
    out.state.RoundState = 1;
    out.CheckOffsetHorz = 2;
    out.CheckOffsetVert = -1;
    out.overtime.WeekEnding[0] = "1/5/2008";
    out.overtime.WeekOvertime[0] = "12.5";
    saveEmployeeFileSet(out);
    EXPECT_EQ(out.overtime.WeekOvertime[1], "0");  // a blank overtime box is stored as 0

    // Reserved fields written by another program come back unchanged.
    std::string use = folder.read("Smith.use");
    const auto reserved = use.find(",,,");
    use.replace(reserved, 3, "1,\"x\",#TRUE#,2.5");
    folder.write("Smith.use", use);

    PayrollContext in;
    in.folder = folder.path();
    in.UserFileBase = "Smith";
    ReadEmployeeFiles(in);
    EXPECT_EQ(in.profile.EmployeeName, "John Smith");
    EXPECT_EQ(in.profile.EmployeeAddress, "12 Elm St, Apt 3");
    EXPECT_EQ(in.profile.KPlanIsFixed, 1);
    EXPECT_EQ(in.profile.KPlanIsPercent, 0);
    EXPECT_FLOAT_EQ(in.profile.CafeteriaAmount, 40);
    EXPECT_EQ(in.profile.SelfEmployed, 1);
    EXPECT_FLOAT_EQ(in.state.CalAllowance, 3.5f);
    EXPECT_EQ(in.state.UseUtah, 1);
    EXPECT_EQ(in.stateDialog.methodBox(StateMethodId::Utah), 1);
    EXPECT_EQ(in.state.RoundState, 1);
    EXPECT_FLOAT_EQ(in.CheckOffsetVert, -1);
    EXPECT_EQ(in.profile.PayWeekly, -1);
    EXPECT_EQ(in.overtime.WeekEnding[0], "1/5/2008");
    EXPECT_EQ(in.overtime.WeekOvertime[0], "12.5");
    EXPECT_EQ(in.overtime.WeekOvertime[1], "0");
    EXPECT_EQ(in.window.lbTableNotice, "Weekly Tax Tables");
    saveEmployeeFileSet(in);
    EXPECT_EQ(folder.read("Smith.use"), use);
}

// Stored with neither frequency, the group is read as not weekly: the bi-weekly rows and ledger.
// Shown as the dialog shows it (weekly), the next save carries those rows into a weekly file.
class NeitherFrequencyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        PayrollContext stored = folder.context();
        stored.UserFileBase = "Smith";
        std::string use = formatUseFile(stored);
        use.replace(use.find("#TRUE#,#FALSE#"), 14, "#FALSE#,#FALSE#");
        folder.write("Smith.use", use);
        OvertimeSheet biWeekly;
        biWeekly.WeekEnding[0] = "from ovb";
        biWeekly.WeekOvertime[0] = "12.5";
        biWeekly.WeekEnding[25] = "last of ovb";
        folder.write("Smith.ovb", formatOvertimeRows(biWeekly, kOvertimeRows / 2));
        OvertimeSheet weekly;
        weekly.WeekEnding[0] = "from ovw";
        folder.write("Smith.ovw", formatOvertimeRows(weekly, kOvertimeRows));
        YtdLedger ledger;
        ledger.grid[0].txtDate = "1/12/2008";
        ledger.grid[0].grossText = "900";
        ledger.totals.YtdGross = Currency::fromDouble(900);
        folder.write("Smith.yrb", formatLedgerFile(ledger, kLedgerRows / 2));
    }
    TempFolder folder;
};

TEST_F(NeitherFrequencyTest, TheRowsComeFromTheBiWeeklyFile) {
    PayrollContext ctx = folder.context();
    ctx.UserFileBase = "Smith";
    ReadEmployeeFiles(ctx);
    EXPECT_EQ(ctx.overtime.WeekEnding[0], "from ovb");
    EXPECT_EQ(ctx.overtime.WeekEnding[25], "last of ovb");
    EXPECT_EQ(ctx.profile.PayWeekly, kOptionSelected);  // as the dialog shows it
    EXPECT_EQ(ctx.profile.PayBiWeekly, 0);
}

TEST_F(NeitherFrequencyTest, OpenTakesTheBiWeeklyLedgerAndTheSaveKeepsTheRows) {
    PayrollContext ctx = folder.context();
    ctx.employee() = loadEmployeeRecord(folder.path(), "Smith", [](const UserMessage&) {});
    EXPECT_EQ(ctx.ledger.rows[0].WeekLabel, "1/12/2008");
    EXPECT_EQ(ctx.ledger.totals.YtdGross, Currency::fromDouble(900));
    EXPECT_EQ(ctx.ledger.grid[0].grossText, "900");
    EXPECT_EQ(ctx.overtime.WeekEnding[0], "from ovb");
    EXPECT_EQ(ctx.profile.PayWeekly, kOptionSelected);
    saveEmployeeFileSet(ctx);
    EXPECT_NE(folder.read("Smith.use").find("#TRUE#,#FALSE#"), std::string::npos);
    PayrollContext reopened = folder.context();
    reopened.UserFileBase = "Smith";
    ReadEmployeeFiles(reopened);
    EXPECT_EQ(reopened.overtime.WeekEnding[0], "from ovb");
    EXPECT_EQ(reopened.overtime.WeekOvertime[0], "12.5");
    EXPECT_EQ(reopened.overtime.WeekEnding[25], "last of ovb");
}

// The overtime file written is that of the frequency saveEmployeeFileSet has just chosen, with all
// its rows, so the employee can be opened again.
TEST(EmployeeFiles, SaveWithNeitherFrequencyWritesEveryWeeklyRow) {
    TempFolder folder;
    PayrollContext ctx;
    ctx.folder = folder.path();
    ctx.UserFileBase = "Smith";
    ctx.profile.PayWeekly = 0;
    ctx.profile.PayBiWeekly = 0;
    ctx.overtime.WeekEnding[40] = "week 41";
    saveEmployeeFileSet(ctx);
    EXPECT_FALSE(folder.exists("Smith.ovb"));
    const std::string ovw = folder.read("Smith.ovw");
    EXPECT_EQ(std::count(ovw.begin(), ovw.end(), '\n'), 2 * kOvertimeRows);
    PayrollContext reopened;
    reopened.folder = folder.path();
    reopened.UserFileBase = "Smith";
    ASSERT_NO_THROW(ReadEmployeeFiles(reopened));
    EXPECT_EQ(reopened.overtime.WeekEnding[40], "week 41");
}

struct ReadProfileCase {
    const char* fedStatus;    // as the ".use" holds it
    const char* exemptions;   // as the ".use" holds it
    const char* stateStatus;  // as the ".sta" holds it
    const char* fedRead;
    const char* exemptionsRead;
    const char* stateRead;
};

class ProfileFromFiles : public ::testing::TestWithParam<ReadProfileCase> {};

TEST_P(ProfileFromFiles, IsReadAsTheDialogWouldShowIt) {
    const ReadProfileCase& c = GetParam();
    TempFolder folder;
    PayrollContext ctx;
    ctx.folder = folder.path();
    ctx.UserFileBase = "Smith";
    ctx.profile.FedStatus = c.fedStatus;
    ctx.profile.FedExemptions = c.exemptions;
    ctx.profile.StateStatus = c.stateStatus;
    ctx.profile.KPlanIsPercent = 0;
    ctx.profile.KPlanIsFixed = 0;
    std::string use = formatUseFile(ctx);
    use.replace(use.find("#TRUE#,#FALSE#"), 14, "#FALSE#,#FALSE#");
    folder.write("Smith.use", use);
    folder.write("Smith.and", formatAndFile(ctx));
    WriteStateFile(ctx);
    PayrollContext read;
    read.folder = folder.path();
    read.UserFileBase = "Smith";
    ReadEmployeeFiles(read);
    ReadStateFile(read, read.employeeFile(".sta"));
    const EmployeeProfile& p = read.profile;
    EXPECT_EQ(p.FedStatus, c.fedRead);
    EXPECT_EQ(p.FedExemptions, c.exemptionsRead);
    EXPECT_EQ(p.StateStatus, c.stateRead);
    EXPECT_EQ(p.PayWeekly, kOptionSelected);
    EXPECT_EQ(p.KPlanIsPercent, 1);
    EXPECT_EQ(p.KPlanIsFixed, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ProfileFromFiles,
    ::testing::Values(ReadProfileCase{"", "", "", "Single", "0", "Single"},
                      ReadProfileCase{"Married", "3", "0", "Married", "3", "Single"},
                      ReadProfileCase{"Single", "1", "Married", "Single", "1", "Married"},
                      // Kept as written: the calculation refuses it, naming the file.
                      ReadProfileCase{"Singel", "2", "married", "Singel", "2", "married"}));

TEST(EmployeeFiles, ADamagedFileStopsTheReadingAndKeepsWhatWasRead) {
    TempFolder folder;
    PayrollContext ctx;
    ctx.folder = folder.path();
    ctx.UserFileBase = "Smith";
    ctx.profile.HourlyRate = 9;
    saveEmployeeFileSet(ctx);
    const std::string use = folder.read("Smith.use");
    folder.write("Smith.use", use.substr(0, use.find("\"Bond\"")));
    ctx.profile.HourlyRate = 1;
    ctx.profile.BondLabel = "kept";
    try {
        ReadEmployeeFiles(ctx);
        FAIL() << "a short file was accepted";
    } catch (const RecordFormatError& e) {
        EXPECT_EQ(e.fileName(), "Smith.use");
    }
    EXPECT_FLOAT_EQ(ctx.profile.HourlyRate, 9);
    EXPECT_EQ(ctx.profile.BondLabel, "kept");
}

TEST(EmployeeFiles, MissingFilesLeaveTheFieldsAsTheyWere) {
    TempFolder folder;
    PayrollContext ctx;
    ctx.folder = folder.path();
    ctx.UserFileBase = "Nobody";
    ctx.profile.EmployeeName = "Previous";
    ReadEmployeeFiles(ctx);
    EXPECT_EQ(ctx.profile.EmployeeName, "Previous");
    EXPECT_FALSE(EmployeeFileExists(ctx, ".use"));
}

TEST(EmployeeFiles, KPlanFlagsAreMendedAfterTheAndFileIsWritten) {
    TempFolder folder;
    PayrollContext ctx;
    ctx.folder = folder.path();
    ctx.profile.KPlanIsPercent = 1;
    ctx.profile.KPlanIsFixed = 1;
    saveEmployeeFileSet(ctx);
    EXPECT_NE(folder.read(".and").find("\r\n1,1\r\n"), std::string::npos);
    EXPECT_EQ(ctx.profile.KPlanIsFixed, 0);
}

TEST(EmployeeProfile, NormaliseFillsWhatALoadedDialogWould) {
    EmployeeProfile p;
    p.FedExemptions = "";
    p.StateStatus = "0";
    p.EmployeeName = "";
    p.PayWeekly = 0;
    p.KPlanIsPercent = 0;
    p.BondLabel = "";
    normaliseProfile(p);
    EXPECT_EQ(p.FedExemptions, "0");
    EXPECT_EQ(p.StateStatus, "Single");
    EXPECT_EQ(p.EmployeeName, "Employee's Name");
    EXPECT_EQ(p.PayWeekly, -1);
    EXPECT_EQ(p.KPlanIsPercent, 1);
    EXPECT_EQ(p.BondLabel, "Bond");
}

}  // namespace
}  // namespace corvanta

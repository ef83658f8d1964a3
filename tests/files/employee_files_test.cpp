#include "session/files/employee_files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "session/core/calculate.h"
#include "session/files/employee_loader.h"
#include "session/state/state_file.h"
#include "session/ytd/ledger_file.h"
#include "support/case_names.h"
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
    p.FedStatus = FilingStatus::Married;
    p.PensionPercent = 3;
    p.CreditDeduction = 10.25f;
    p.NonCityResident = 1;
    p.frequency = PayFrequency::BiWeekly;
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
    out.profile.KPlan = KPlanKind::FixedAmount;
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
    EXPECT_EQ(in.profile.KPlan, KPlanKind::FixedAmount);
    EXPECT_FLOAT_EQ(in.profile.CafeteriaAmount, 40);
    EXPECT_EQ(in.profile.SelfEmployed, 1);
    EXPECT_FLOAT_EQ(in.state.CalAllowance, 3.5f);
    EXPECT_EQ(in.state.UseUtah, 1);
    EXPECT_EQ(in.stateDialog.methodBox(StateMethodId::Utah), 1);
    EXPECT_EQ(in.state.RoundState, 1);
    EXPECT_FLOAT_EQ(in.CheckOffsetVert, -1);
    EXPECT_EQ(in.profile.frequency, PayFrequency::Weekly);
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
    EXPECT_EQ(ctx.profile.frequency, PayFrequency::Weekly);  // as the dialog shows it
}

TEST_F(NeitherFrequencyTest, OpenTakesTheBiWeeklyLedgerAndTheSaveKeepsTheRows) {
    PayrollContext ctx = folder.context();
    ctx.employee() = loadEmployeeRecord(folder.path(), "Smith", [](const UserMessage&) {});
    EXPECT_EQ(ctx.ledger.rows[0].WeekLabel, "1/12/2008");
    EXPECT_EQ(ctx.ledger.totals.YtdGross, Currency::fromDouble(900));
    EXPECT_EQ(ctx.ledger.grid[0].grossText, "900");
    EXPECT_EQ(ctx.overtime.WeekEnding[0], "from ovb");
    EXPECT_EQ(ctx.profile.frequency, PayFrequency::Weekly);
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
    ctx.profile.frequency = PayFrequency::Neither;
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
    const char* name;
    const char* fedStatus;    // as the ".use" holds it
    const char* exemptions;   // as the ".use" holds it
    const char* stateStatus;  // as the ".sta" holds it
    FilingStatus fedRead;
    const char* exemptionsRead;
    FilingStatus stateRead;
    const char* refusedFile;  // nullptr: read
    const char* refusedText;
};

void PrintTo(const ReadProfileCase& c, std::ostream* os) { *os << c.name; }

class ProfileFromFiles : public ::testing::TestWithParam<ReadProfileCase> {};

// A status is one of the two the lists offer; any other text can only come from an edited
// file, and would otherwise withhold at the married rates.
TEST_P(ProfileFromFiles, IsReadAsTheDialogWouldShowItOrRefused) {
    const ReadProfileCase& c = GetParam();
    TempFolder folder;
    PayrollContext ctx;
    ctx.folder = folder.path();
    ctx.UserFileBase = "Smith";
    ctx.profile.FedExemptions = c.exemptions;
    std::string use = formatUseFile(ctx);
    use.replace(use.find("\"Single\""), 8, std::string("\"") + c.fedStatus + "\"");
    use.replace(use.find("#TRUE#,#FALSE#"), 14, "#FALSE#,#FALSE#");
    folder.write("Smith.use", use);
    folder.write("Smith.and", formatAndFile(ctx));
    WriteStateFile(ctx);
    std::string sta = folder.read("Smith.sta");
    sta.replace(sta.find("\"Single\""), 8, std::string("\"") + c.stateStatus + "\"");
    folder.write("Smith.sta", sta);
    PayrollContext read;
    read.folder = folder.path();
    read.UserFileBase = "Smith";
    try {
        ReadEmployeeFiles(read);
        ReadStateFile(read, read.employeeFile(".sta"));
        ASSERT_EQ(c.refusedFile, nullptr) << c.refusedText << " was read";
    } catch (const std::exception& e) {
        ASSERT_NE(c.refusedFile, nullptr) << e.what();
        const std::string message = e.what();
        EXPECT_NE(message.find(c.refusedFile), std::string::npos) << message;
        EXPECT_NE(message.find(std::string("\"") + c.refusedText + "\""), std::string::npos)
            << message;
        return;
    }
    const EmployeeProfile& p = read.profile;
    EXPECT_EQ(p.FedStatus, c.fedRead);
    EXPECT_EQ(p.FedExemptions, c.exemptionsRead);
    EXPECT_EQ(p.StateStatus, c.stateRead);
    EXPECT_EQ(p.frequency, PayFrequency::Weekly);
    EXPECT_EQ(p.KPlan, KPlanKind::PercentOfGross);
}

constexpr FilingStatus kSingle = FilingStatus::Single;
constexpr FilingStatus kMarried = FilingStatus::Married;

INSTANTIATE_TEST_SUITE_P(
    Fields, ProfileFromFiles,
    ::testing::Values(ReadProfileCase{"blank_fields_read_as_single", "", "", "", kSingle, "0",
                                      kSingle, nullptr, ""},
                      ReadProfileCase{"state_number_reads_single", "Married", "3", "0", kMarried,
                                      "3", kSingle, nullptr, ""},
                      ReadProfileCase{"single_federal_married_state", "Single", "1", "Married",
                                      kSingle, "1", kMarried, nullptr, ""},
                      ReadProfileCase{"misspelt_federal_refused", "Singel", "2", "Single", kSingle,
                                      "2", kSingle, "Smith.use", "Singel"},
                      ReadProfileCase{"lower_case_state_refused", "Single", "2", "married", kSingle,
                                      "2", kSingle, "Smith.sta", "married"},
                      ReadProfileCase{"federal_number_refused", "0", "2", "Single", kSingle, "2",
                                      kSingle, "Smith.use", "0"}),
    testing::CaseName());

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

struct KPlanFlagsCase {
    const char* name;
    const char* flags;  // the ".and" file's last line: percent, fixed
    KPlanKind read;
    const char* written;
};

void PrintTo(const KPlanFlagsCase& c, std::ostream* os) { *os << c.name; }

class KPlanFlagsOnFile : public ::testing::TestWithParam<KPlanFlagsCase> {};

// The kind is what the calculation has always taken the flags for; the dialog shows it and
// the next save writes it as one flag set.
TEST_P(KPlanFlagsOnFile, AreReadAsTheKindTheCalculationUsesAndWrittenAsIt) {
    const KPlanFlagsCase& c = GetParam();
    TempFolder folder;
    PayrollContext ctx;
    ctx.folder = folder.path();
    ctx.UserFileBase = "Smith";
    saveEmployeeFileSet(ctx);
    std::string ledger = folder.read("Smith.and");
    ledger.replace(ledger.rfind("1,0\r\n"), 5, std::string(c.flags) + "\r\n");
    folder.write("Smith.and", ledger);
    PayrollContext read;
    read.folder = folder.path();
    read.UserFileBase = "Smith";
    ReadEmployeeFiles(read);
    EXPECT_EQ(read.profile.KPlan, c.read);
    saveEmployeeFileSet(read);
    const std::string written = folder.read("Smith.and");
    EXPECT_EQ(written.substr(written.rfind("\r\n", written.size() - 3) + 2),
              std::string(c.written) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, KPlanFlagsOnFile,
    ::testing::Values(KPlanFlagsCase{"percent", "1,0", KPlanKind::PercentOfGross, "1,0"},
                      KPlanFlagsCase{"fixed", "0,1", KPlanKind::FixedAmount, "0,1"},
                      KPlanFlagsCase{"both_set", "1,1", KPlanKind::PercentOfGross, "1,0"},
                      KPlanFlagsCase{"neither_set", "0,0", KPlanKind::PercentOfGross, "1,0"},
                      KPlanFlagsCase{"true_as_percent", "-1,0", KPlanKind::FixedAmount, "0,1"}),
    testing::CaseName());

// The ".use" keeps the frequency as two flags; every pair reads as one frequency and is
// written back as the same pair.
TEST(EmployeeProfile, FrequencyFlagsReadAndWriteBackAsThePair) {
    struct Flags {
        int weekly, biWeekly;
        PayFrequency read;
        const char* written;
    };
    for (const Flags& f : std::vector<Flags>{{-1, 0, PayFrequency::Weekly, "#TRUE#,#FALSE#"},
                                             {0, -1, PayFrequency::BiWeekly, "#FALSE#,#TRUE#"},
                                             {0, 0, PayFrequency::Neither, "#FALSE#,#FALSE#"},
                                             {-1, -1, PayFrequency::Both, "#TRUE#,#TRUE#"},
                                             {1, 0, PayFrequency::Weekly, "#TRUE#,#FALSE#"}}) {
        PayrollContext ctx;
        ctx.profile.frequency = payFrequencyOfFlags(f.weekly, f.biWeekly);
        EXPECT_EQ(ctx.profile.frequency, f.read) << f.weekly << "," << f.biWeekly;
        EXPECT_NE(formatUseFile(ctx).find(f.written), std::string::npos) << f.written;
    }
}

TEST(EmployeeProfile, NormaliseFillsWhatALoadedDialogWould) {
    EmployeeProfile p;
    p.FedExemptions = "";
    p.EmployeeName = "";
    p.frequency = PayFrequency::Neither;
    p.BondLabel = "";
    normaliseProfile(p);
    EXPECT_EQ(p.FedExemptions, "0");
    EXPECT_EQ(p.EmployeeName, "Employee's Name");
    EXPECT_EQ(p.frequency, PayFrequency::Weekly);
    EXPECT_EQ(p.BondLabel, "Bond");
}

}  // namespace
}  // namespace corvanta

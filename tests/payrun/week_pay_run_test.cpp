// The week's pay run as the window and the command line share it: the preview is the register
// the run leaves, a run stopped on request changes nothing, the entries paid are kept for the
// next week, and an hours sheet written is read back the same.
#include "payrun/week_pay_run.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "payrun/hours_csv.h"
#include "records/print/text_page.h"
#include "session/checks/check_book.h"
#include "session/checks/check_register_file.h"
#include "session/payroll/payroll_folder.h"
#include "session/payroll/register_report.h"
#include "support/case_names.h"
#include "support/employee_folder.h"
#include "support/folder_bytes.h"
#include "support/gui_app.h"
#include "support/temp_folder.h"
#include "support/tree_bytes.h"

namespace corvanta {
namespace {

namespace t = corvanta::testing;
namespace fs = std::filesystem;

constexpr int kStaff = 6;
constexpr const char* kWeek = "4/4/2008";

std::vector<HoursRow> weekRows() {
    std::vector<HoursRow> rows;
    for (int i = 0; i < kStaff; ++i) {
        HoursRow r;
        r.line = i + 2;
        r.employee = "emp" + std::to_string(i);
        r.boxes = {std::to_string(32 + i), "", i % 2 == 0 ? "3" : "", "", "", "", "", ""};
        r.twoX = i % 3 == 0 ? "1" : "0";
        rows.push_back(r);
    }
    return rows;
}

class WeekPayRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        t::startGui();
        folder.copyFederalTable();
        t::EmployeeFolderMaker(11).make(folder.path(), kStaff);
    }
    PayRunRequest request() const { return {folder.path(), kWeek, std::nullopt, kWeek, {}}; }

    t::TempFolder folder;
};

TEST_F(WeekPayRunTest, ThePreviewIsTheRegisterThePayRunLeaves) {
    const PayRunPreview preview = previewPayRun(request(), weekRows(), DepositSchedule::Monthly);
    ASSERT_TRUE(preview.problems.empty()) << preview.problems.front().reason;
    const WeekPayRun run = payWeek(request(), weekRows(), {}, {}, 0);
    ASSERT_EQ(run.ending, PayRunEnding::Paid) << run.outcome.failure;
    const PayrollRegister after =
        buildRegister(readPayrollFolder(folder.path()), registerPeriod(RegisterSpan::Week, kWeek),
                      DepositSchedule::Monthly);
    EXPECT_EQ(registerTable(preview.reg), registerTable(after));
    EXPECT_EQ(formsTable(preview.reg), formsTable(after));
}

// Each employee of a run is read from the payroll folder and written aside until the run
// commits: the context never takes the staging folder for hers, and nothing is copied there.
TEST_F(WeekPayRunTest, EachEmployeeIsPaidFromThePayrollFolder) {
    std::vector<std::string> problems;
    PayRunPrinters printers;
    printers.stub = [&](PayrollContext& ctx) {
        if (ctx.folder != folder.path()) problems.push_back(ctx.UserFileBase + ": folder moved");
        if (ctx.stagedIn.empty()) problems.push_back(ctx.UserFileBase + ": not staged");
        if (fs::exists(ctx.stagedIn / "Federal08.dtt")) problems.push_back("table copied");
        if (ctx.ledger.rows[0].WeekLabel != kWeek) problems.push_back("week not posted");
    };
    const PayRunOutcome outcome = runPayPeriod(request(), weekRows(), printers);
    EXPECT_EQ(outcome.done.size(), static_cast<std::size_t>(kStaff)) << outcome.failure;
    EXPECT_TRUE(problems.empty()) << problems.front();
}

struct CancelCase {
    std::string name;
    PayRunStage stage;
    std::size_t after;  // employees done when the stop is asked for
};

void PrintTo(const CancelCase& c, std::ostream* os) { *os << c.name; }

class CancelledRun : public WeekPayRunTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CancelledRun, LeavesEveryEmployeeAsSheWas) {
    const auto before = t::folderBytes(folder.path());
    const CancelCase c = GetParam();
    const PayRunProgress stop = [&c](PayRunStage stage, std::size_t done, std::size_t) {
        return !(stage == c.stage && done == c.after);
    };
    const WeekPayRun run =
        payWeek(request(), weekRows(), PayRunPrintouts{true, true, std::nullopt}, stop, 0);
    EXPECT_EQ(run.ending, PayRunEnding::Cancelled);
    EXPECT_TRUE(run.stubs.empty());
    EXPECT_EQ(t::folderBytes(folder.path()), before);
    EXPECT_FALSE(fs::exists(folder / ".corvanta-run"));
    EXPECT_FALSE(fs::exists(folder / ".corvanta-run-journal"));
}

INSTANTIATE_TEST_SUITE_P(
    WeekPayRun, CancelledRun,
    ::testing::Values(CancelCase{"WhileCheckingTheSecondRow", PayRunStage::Checking, 2},
                      CancelCase{"AfterThreeArePaidAside", PayRunStage::Paying, 3},
                      CancelCase{"AfterTheLastIsPaidAside", PayRunStage::Paying, kStaff}),
    t::CaseName());

TEST_F(WeekPayRunTest, TheEntriesPaidAreKeptForTheNextWeek) {
    EXPECT_TRUE(lastPaidEntries(folder.path()).empty());
    std::vector<HoursRow> rows = weekRows();
    rows.pop_back();
    ASSERT_EQ(payWeek(request(), rows, {}, {}, 0).ending, PayRunEnding::Paid);
    const auto kept = lastPaidEntries(folder.path());
    ASSERT_EQ(kept.size(), rows.size());
    for (const HoursRow& r : rows) {
        EXPECT_EQ(kept.at(r.employee).boxes, r.boxes) << r.employee;
        EXPECT_EQ(kept.at(r.employee).twoX, r.twoX) << r.employee;
    }
}

std::string printedText(const RecordedDocument& printout) {
    TextPage page;
    printout.replay(page);
    return page.text();
}

// Week after week the run's checks carry the register's numbers, one after another, each
// recorded with her week and amount.
TEST_F(WeekPayRunTest, ChecksAreNumberedOnFromRunToRun) {
    std::int64_t expected = 1001;
    for (const char* week : {"4/4/2008", "4/11/2008"}) {
        const PayRunRequest req{folder.path(), week, std::nullopt, week, {}};
        const WeekPayRun run =
            payWeek(req, weekRows(), PayRunPrintouts{false, true, std::nullopt}, {}, 0);
        ASSERT_EQ(run.ending, PayRunEnding::Paid) << run.outcome.failure;
        ASSERT_EQ(run.checks.size(), static_cast<std::size_t>(kStaff));
        for (const RecordedDocument& check : run.checks) {
            EXPECT_NE(printedText(check).find("No. " + std::to_string(expected)), std::string::npos)
                << week;
            ++expected;
        }
    }
    const CheckRegister reg = readCheckRegister(folder.path());
    ASSERT_EQ(reg.checks.size(), static_cast<std::size_t>(2 * kStaff));
    for (std::size_t i = 0; i < reg.checks.size(); ++i) {
        EXPECT_EQ(reg.checks[i].number, 1001 + static_cast<std::int64_t>(i));
        EXPECT_EQ(reg.checks[i].week, i < kStaff ? "4/4/2008" : "4/11/2008");
        EXPECT_EQ(reg.checks[i].state, CheckState::Issued);
    }
}

// A run stopped before its files move in uses no number.
TEST_F(WeekPayRunTest, ACancelledRunTakesNoCheckNumber) {
    const PayRunProgress stop = [](PayRunStage stage, std::size_t done, std::size_t) {
        return !(stage == PayRunStage::Paying && done == 2);
    };
    ASSERT_EQ(
        payWeek(request(), weekRows(), PayRunPrintouts{false, true, std::nullopt}, stop, 0).ending,
        PayRunEnding::Cancelled);
    EXPECT_TRUE(readCheckRegister(folder.path()).checks.empty());
    EXPECT_EQ(nextCheckNumber(folder.path()), 1001);
}

struct SheetCase {
    std::string name;
    HoursRow row;
};

void PrintTo(const SheetCase& c, std::ostream* os) { *os << c.name; }

class HoursSheetRoundTrip : public ::testing::TestWithParam<SheetCase> {};

TEST_P(HoursSheetRoundTrip, ReadsBackWhatWasWritten) {
    HoursRow row = GetParam().row;
    const std::vector<HoursRow> read = readHoursSheet(writeHoursSheet({row}), "week.csv");
    ASSERT_EQ(read.size(), 1U);
    EXPECT_EQ(read[0].employee, row.employee);
    EXPECT_EQ(read[0].boxes, row.boxes);
    EXPECT_EQ(read[0].twoX, row.twoX);
    EXPECT_EQ(read[0].extraCells, 0U);
}

HoursRow sheetRow(std::string employee, std::string first, std::string twoX) {
    HoursRow r;
    r.employee = std::move(employee);
    r.boxes[0] = std::move(first);
    r.boxes[7] = "2.5";
    r.twoX = std::move(twoX);
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    WeekPayRun, HoursSheetRoundTrip,
    ::testing::Values(SheetCase{"PlainName", sheetRow("Ann Lee", "40", "0")},
                      SheetCase{"CommaInTheName", sheetRow("Lee, Ann", "40", "1")},
                      SheetCase{"QuotesInTheName", sheetRow("Ann \"Bo\" Lee", "", "")},
                      SheetCase{"NameBeyondAscii", sheetRow("Zoë Ñúñez", "-3.5", "0")}),
    t::CaseName());

}  // namespace
}  // namespace corvanta

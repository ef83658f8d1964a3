// The folder's employees as the employee list shows them: each read through the one loader,
// with her frequency, state method, exempt marks, last posted week and year-to-date gross; an
// employee whose files cannot be read is listed with the reason and keeps no one else out.
#include "session/payroll/employee_roster.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "session/core/calculate.h"
#include "session/files/new_employee.h"
#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::TempFolder;

struct Posted {
    const char* week;
    float gross;
};

struct Employee {
    const char* file;
    const char* name;
    bool biWeekly = false;
    std::vector<StateMethodId> methods;
    ExemptMarks exempt;
    std::vector<Posted> rows;
};

void makeEmployee(const TempFolder& folder, const Employee& e) {
    PayrollContext ctx = folder.context();
    ctx.employee() = newEmployeeRecord(e.file);
    ctx.profile.EmployeeName = e.name;
    if (e.biWeekly) {
        ctx.profile.frequency = PayFrequency::BiWeekly;
    }
    ctx.profile.FedExempt = e.exempt.federal ? 1 : 0;
    ctx.profile.SocSecMedExempt = e.exempt.socSecMedicare ? 1 : 0;
    ctx.profile.SelfEmployed = e.exempt.selfEmployed ? 1 : 0;
    ctx.state.NoStateTax = e.exempt.state ? 1 : 0;
    for (const StateMethodId id : e.methods) methodFlag(ctx.state, id) = 1;
    SaveUserFiles(ctx);
    if (e.rows.empty()) return;
    for (std::size_t i = 0; i < e.rows.size(); ++i) {
        LedgerRow& r = ctx.ledger.rows[i];
        r.WeekLabel = e.rows[i].week;
        r.Gross = e.rows[i].gross;
        r.Net = e.rows[i].gross * 0.75f;
    }
    showLedgerGrid(ctx.ledger, ctx.profile);
    SaveAnnual(ctx);
}

// What the list must show of one employee.
struct RosterCase {
    const char* what;
    const char* file;
    const char* name;
    PayFrequency frequency;
    const char* stateMethod;
    const char* exempt;
    std::optional<std::string> lastPosted;
    std::int64_t ytdCents;
    const char* problemNames;  // a text the reason must hold; null for a readable employee
};

void PrintTo(const RosterCase& c, std::ostream* os) { *os << c.what; }

class EmployeeRosterTest : public ::testing::TestWithParam<RosterCase> {
  protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<TempFolder>();
        const TempFolder& f = *folder_;
        makeEmployee(f, {.file = "Adams",
                         .name = "Ann Adams",
                         .rows = {{"1/4/2008", 400.0f}, {"1/11/2008", 500.25f}}});
        // Posted out of order: the latest date is her last week, not the last row.
        makeEmployee(f, {.file = "Baker",
                         .name = "Bo Baker",
                         .biWeekly = true,
                         .methods = {StateMethodId::Iowa},
                         .rows = {{"1/18/2008", 1000.0f}, {"1/4/2008", 1234.56f}}});
        makeEmployee(f, {.file = "Cole",
                         .name = "Cy Cole",
                         .exempt = {.socSecMedicare = true, .federal = true, .state = true}});
        makeEmployee(f, {.file = "Diaz",
                         .name = "Di Diaz",
                         .methods = {StateMethodId::Utah, StateMethodId::NC},
                         .exempt = {.selfEmployed = true},
                         .rows = {{"bonus", 50.0f}, {"0", 0.0f}, {"extra", 25.5f}}});
        makeEmployee(f, {.file = "Evans", .name = "Ed Evans", .rows = {{"1/4/2008", 300.0f}}});
        f.write("Evans.yrw", "not a ledger\r\n");
        makeEmployee(f, {.file = "Ford", .name = "Fay Ford"});
        f.write("Ford.use", "\"Fay Ford\",\"addr\",\"city\",\"ssn\",many,\r\n");
        makeEmployee(f, {.file = "Gray", .name = "Gus Gray"});
        // Neither the default group nor a group without its ".use" is an employee.
        f.write(".use", f.read("Gray.use"));
        f.write("Hale.sta", f.read("Gray.sta"));
        roster_ = employeeRoster(f.path());
    }
    static void TearDownTestSuite() { folder_.reset(); }

    static const RosterEntry* find(const std::string& file) {
        const auto it = std::find_if(roster_.begin(), roster_.end(),
                                     [&](const RosterEntry& e) { return e.fileName == file; });
        return it == roster_.end() ? nullptr : &*it;
    }

    static std::unique_ptr<TempFolder> folder_;
    static std::vector<RosterEntry> roster_;
};

std::unique_ptr<TempFolder> EmployeeRosterTest::folder_;
std::vector<RosterEntry> EmployeeRosterTest::roster_;

TEST_P(EmployeeRosterTest, ListsTheEmployeeAsHerFilesHoldHer) {
    const RosterCase& c = GetParam();
    const RosterEntry* e = find(c.file);
    ASSERT_NE(e, nullptr) << c.file << " is not listed";
    if (c.problemNames != nullptr) {
        EXPECT_FALSE(e->readable());
        EXPECT_NE(e->problem.find(c.problemNames), std::string::npos) << e->problem;
        return;
    }
    EXPECT_TRUE(e->readable()) << e->problem;
    EXPECT_EQ(e->name, c.name);
    EXPECT_EQ(e->frequency, c.frequency);
    EXPECT_EQ(e->stateMethod, c.stateMethod);
    EXPECT_EQ(exemptText(e->exempt), c.exempt);
    EXPECT_EQ(e->lastPostedWeek, c.lastPosted);
    EXPECT_EQ(e->ytdGross.units(), c.ytdCents * 100);
}

INSTANTIATE_TEST_SUITE_P(
    Folder, EmployeeRosterTest,
    ::testing::Values(RosterCase{"WeeklyWithTwoWeeksPosted", "Adams", "Ann Adams",
                                 PayFrequency::Weekly, "Table", "", "1/11/2008", 90025, nullptr},
                      RosterCase{"BiWeeklyPostedOutOfOrderWithAStateMethod", "Baker", "Bo Baker",
                                 PayFrequency::BiWeekly, "Iowa", "", "1/18/2008", 223456, nullptr},
                      RosterCase{"ExemptAndNeverPosted", "Cole", "Cy Cole", PayFrequency::Weekly,
                                 "Table", "Soc. Sec./Medicare, Federal, State", std::nullopt, 0,
                                 nullptr},
                      RosterCase{"UndatedWeeksAndTwoMethods", "Diaz", "Di Diaz",
                                 PayFrequency::Weekly, "Utah, North Carolina", "Self-employed",
                                 "extra", 7550, nullptr},
                      RosterCase{"DamagedLedger", "Evans", "", PayFrequency::Weekly, "", "",
                                 std::nullopt, 0, "Evans.yrw"},
                      RosterCase{"DamagedUseFile", "Ford", "", PayFrequency::Weekly, "", "",
                                 std::nullopt, 0, "Ford.use"},
                      RosterCase{"ReadAfterTheUnreadableOnes", "Gray", "Gus Gray",
                                 PayFrequency::Weekly, "Table", "", std::nullopt, 0, nullptr}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(EmployeeRosterTest, ListsEveryEmployeeOnceInFileNameOrderAndNothingElse) {
    std::vector<std::string> files;
    for (const RosterEntry& e : roster_) files.push_back(e.fileName);
    EXPECT_EQ(files, (std::vector<std::string>{"Adams", "Baker", "Cole", "Diaz", "Evans", "Ford",
                                               "Gray"}));
}

TEST(EmployeeRosterFolder, AnEmptyFolderListsNoOneAndAMissingOneIsNamed) {
    const TempFolder empty;
    EXPECT_TRUE(employeeRoster(empty.path()).empty());
    const auto missing = empty / "gone";
    try {
        employeeRoster(missing);
        FAIL() << "a missing folder was listed";
    } catch (const UserError& e) {
        EXPECT_NE(std::string(e.what()).find(missing.string()), std::string::npos) << e.what();
    }
}

TEST(EmployeeRosterFolder, ListingWritesNothing) {
    const TempFolder folder;
    makeEmployee(folder, {.file = "Adams", .name = "Ann Adams", .rows = {{"1/4/2008", 10.0f}}});
    const auto before = std::filesystem::last_write_time(folder / "Adams.use");
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        files.push_back(entry.path().filename().string());
    }
    employeeRoster(folder.path());
    std::vector<std::string> after;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        after.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, files);
    EXPECT_EQ(std::filesystem::last_write_time(folder / "Adams.use"), before);
}

}  // namespace
}  // namespace corvanta

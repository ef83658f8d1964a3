// The pay run over a folder of generated employees: the same figures as each period
// calculated alone, forms equal to sums over the ledgers, refused sheets that change nothing,
// and a run killed part way.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <nlohmann/json.hpp>

#include "base/files/lock_file.h"
#include "session/payroll/payroll_folder.h"
#include "support/child_process.h"
#include "support/cli_runner.h"
#include "support/employee_folder.h"
#include "support/folder_bytes.h"
#include "support/reads_at_once.h"
#include "support/temp_folder.h"
#include "tax/core/fica.h"
#include "tax/state/pay_date.h"

namespace corvanta::testing {
namespace {

namespace fs = std::filesystem;

std::string weekOf(int k) {
    // Fridays from 4/4/2008: the second quarter.
    static const char* const weeks[] = {
        "4/4/2008",  "4/11/2008", "4/18/2008", "4/25/2008", "5/2/2008",  "5/9/2008", "5/16/2008",
        "5/23/2008", "5/30/2008", "6/6/2008",  "6/13/2008", "6/20/2008", "6/27/2008"};
    return weeks[k];
}

struct Entry {
    std::string name;
    std::array<std::string, 8> boxes;
    bool twoX = false;
};

// The week's entries: weekly employees every week, bi-weekly ones every other week.
std::vector<Entry> weekEntries(const std::vector<EmployeeBooks>& staff, int k) {
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < staff.size(); ++i) {
        if (staff[i].profile.isBiWeekly() && k % 2 == 1) continue;
        Entry e{staff[i].name, {}, (i + k) % 7 == 0};
        const int n = static_cast<int>(i) * 7 + k;
        e.boxes[0] = std::to_string(20 + n % 21);
        e.boxes[1] = n % 5 == 0 ? "4" : "";
        e.boxes[2] = n % 3 == 0 ? "1.5" : "";
        e.boxes[3] = std::to_string(n % 4);
        e.boxes[6] = n % 6 == 0 ? "12.50" : "";
        e.boxes[7] = n % 4 == 1 ? "10" : "";
        entries.push_back(e);
    }
    return entries;
}

std::string hoursCsv(const std::vector<Entry>& entries) {
    std::string csv = "tips,employee,straight,straight2,ot,ot15,dollars,2x\r\n";
    for (const Entry& e : entries) {
        csv += e.boxes[7] + "," + e.name + "," + e.boxes[0] + "," + e.boxes[1] + "," + e.boxes[2] +
               "," + e.boxes[3] + ",\"" + e.boxes[6] + "\"," + (e.twoX ? "1" : "") + "\r\n";
    }
    return csv;
}

int firstFreeRow(const EmployeeBooks& b) {
    for (std::size_t i = 0; i < b.rows.size(); ++i) {
        const LedgerRow& r = b.rows[i];
        if ((r.WeekLabel.empty() || r.WeekLabel == "0") && r.Gross == 0) return int(i) + 1;
    }
    return -1;
}

// The period as a clerk calculates one employee alone.
void calculateAlone(const fs::path& folder, const Entry& e, const std::string& week) {
    static const char* const options[] = {"--straight", "--straight2", "--ot",      "--ot15",
                                          "--holiday",  "--vacation",  "--dollars", "--tips"};
    std::vector<std::string> args{"calc", "--dir", folder, "--user", e.name, "--week", week};
    for (int b = 0; b < 8; ++b) args.insert(args.end(), {options[b], e.boxes[b]});
    if (e.twoX) args.push_back("--2x");
    const int row = firstFreeRow(readEmployeeBooks(folder, e.name));
    args.insert(args.end(), {"--post", std::to_string(row)});
    const CliResult r = runCli(args);
    ASSERT_EQ(r.exitCode, 0) << e.name << " " << r.err;
}

CliResult runWeek(const TempFolder& sheets, const fs::path& folder,
                  const std::vector<Entry>& entries, int k) {
    sheets.write("week.csv", hoursCsv(entries));
    return runCli({"run", "--hours", (sheets / "week.csv").string(), "--week", weekOf(k), "--post",
                   "next", "--dir", folder});
}

// The names of the files that differ between two folders, or that only one has.
// Not the folder's data: the entries a run keeps for the next one ("Last pay run.csv"), which
// no backup holds or restores, and the temporary file of a write killed half way
// (".NAME.tmpXXXXXX"), which never replaced anything.
void leaveOutNonData(std::map<std::string, std::string>& files) {
    std::erase_if(files, [](const auto& file) {
        const std::string& name = file.first;
        return name == "Last pay run.csv" ||
               (name.starts_with(".") && name.find(".tmp") != std::string::npos);
    });
}

// The files that differ, the folder's data only.
std::vector<std::string> differingFiles(const fs::path& a, const fs::path& b) {
    auto x = folderBytes(a);
    auto y = folderBytes(b);
    leaveOutNonData(x);
    leaveOutNonData(y);
    std::vector<std::string> names;
    for (const auto& [name, bytes] : x) {
        const auto it = y.find(name);
        if (it == y.end() || it->second != bytes) names.push_back(name);
    }
    for (const auto& [name, bytes] : y) {
        if (x.count(name) == 0) names.push_back(name);
    }
    return names;
}

class PayRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_.copyFederalTable();
        EmployeeFolderMaker(2008).make(folder_.path(), 50);
        staff_ = readPayrollFolder(folder_.path());
    }
    TempFolder folder_;
    TempFolder sheets_;
    std::vector<EmployeeBooks> staff_;
};

// Shown amount sums, independent of the register: doubles over the rows as posted.
struct Sums {
    double wages = 0, federal = 0, ssWages = 0, ssTips = 0, medicare = 0, ssHeld = 0, kPlan = 0,
           stateWages = 0, state = 0;
    int paid = 0;
};

double cents(float v) { return std::round(static_cast<double>(v) * 100) / 100; }

Sums sumLedgers(const fs::path& folder, int firstMonth, int lastMonth) {
    Sums s;
    for (const EmployeeBooks& b : readPayrollFolder(folder)) {
        double priorSs = 0;
        double wages = 0;
        bool paid = false;
        for (const LedgerRow& r : b.rows) {
            const auto d = readPayDate(r.WeekLabel);
            if (!d) continue;
            const int month = static_cast<int>(static_cast<unsigned>(d->month()));
            const double ss = cents(r.Gross) - cents(r.Cafeteria);
            if (month < firstMonth) {
                priorSs += ss;
                continue;
            }
            if (month > lastMonth) continue;
            paid = true;
            wages += cents(r.Gross) - cents(r.KPlan) - cents(r.Pension) - cents(r.Cafeteria);
            s.federal += cents(r.Federal);
            const double room = std::max(0.0, SsWageBase - priorSs);
            const double taxable = std::min(ss, room);
            const double tips = std::min(static_cast<double>(cents(r.Tips)), taxable);
            if (b.profile.SocSecMedExempt == 0) {
                s.ssWages += taxable - tips;
                s.ssTips += tips;
                s.medicare += ss;
            }
            priorSs += ss;
            s.ssHeld += cents(r.SocSec) + cents(r.Medicare);
            s.kPlan += cents(r.KPlan);
            s.stateWages += cents(r.Gross) - cents(r.KPlan) -
                            (b.profile.CafeteriaReducesState != 0 ? cents(r.Cafeteria) : 0);
            s.state += cents(r.State);
        }
        s.wages += wages;
        s.paid += paid ? 1 : 0;
    }
    return s;
}

TEST_F(PayRunTest, ThirteenWeeksEqualEachPeriodCalculatedAloneAndTheFormsEqualTheLedgers) {
    TempFolder alone;
    copyFolderFiles(folder_.path(), alone.path());
    for (int k = 0; k < 13; ++k) {
        const auto entries = weekEntries(staff_, k);
        const CliResult r = runWeek(sheets_, folder_.path(), entries, k);
        ASSERT_EQ(r.exitCode, 0) << weekOf(k) << "\n" << r.err;
        EXPECT_NE(r.out.find("Payroll register " + weekOf(k)), std::string::npos);
        for (const Entry& e : entries) calculateAlone(alone.path(), e, weekOf(k));
    }
    EXPECT_EQ(differingFiles(folder_.path(), alone.path()), std::vector<std::string>{});

    const CliResult q =
        runCli({"register", "--quarter", "2008Q2", "--json", "--dir", folder_.path()});
    ASSERT_EQ(q.exitCode, 0) << q.err;
    const auto f = nlohmann::json::parse(q.out)["form941"];
    const Sums s = sumLedgers(folder_.path(), 4, 6);
    EXPECT_EQ(f["line1"], s.paid);
    EXPECT_NEAR(f["line2"], s.wages, 0.005);
    EXPECT_NEAR(f["line3"], s.federal, 0.005);
    EXPECT_NEAR(f["line5a"][0], s.ssWages, 0.005);
    EXPECT_NEAR(f["line5b"][0], s.ssTips, 0.005);
    EXPECT_NEAR(f["line5c"][0], s.medicare, 0.005);
    const double tax = std::round(s.ssWages * 12.4) / 100 + std::round(s.ssTips * 12.4) / 100 +
                       std::round(s.medicare * 2.9) / 100;
    EXPECT_NEAR(f["line5d"], tax, 0.005);
    EXPECT_NEAR(f["line7a"], s.ssHeld - tax / 2, 0.011);

    const CliResult y = runCli({"register", "--year", "2008", "--json", "--dir", folder_.path()});
    const auto w3 = nlohmann::json::parse(y.out)["w3"];
    const Sums year = sumLedgers(folder_.path(), 1, 12);
    EXPECT_NEAR(w3["box1"], year.wages, 0.005);
    EXPECT_NEAR(w3["box2"], year.federal, 0.005);
    EXPECT_NEAR(w3["box3"], year.ssWages, 0.005);
    EXPECT_NEAR(w3["box5"], year.medicare, 0.005);
    EXPECT_NEAR(w3["box7"], year.ssTips, 0.005);
    EXPECT_NEAR(w3["box12D"], year.kPlan, 0.005);
    EXPECT_NEAR(w3["box16"], year.stateWages, 0.005);
    EXPECT_NEAR(w3["box17"], year.state, 0.005);
}

TEST_F(PayRunTest, BadSheetChangesNoFileAndListsEveryBadRow) {
    // emp3's state file is damaged: her files cannot be read.
    folder_.write("emp3.sta", "not a state file\r\n");
    const auto before = folderBytes(folder_.path());
    const EmployeeBooks& full = staff_[0];
    std::string busyRow = "1";
    const bool emp0HasRows = firstFreeRow(full) > 1;
    sheets_.write("bad.csv",
                  "employee,straight,ot,2x,tips\n"
                  "emp1,40,,,\n"
                  "nobody,40,,,\n"
                  "emp2,4O,,,\n"
                  "emp1,10,,,\n"
                  "emp3,40,,,\n"
                  "emp4,40,\"1,5\",,\n"
                  "emp5,40,,2,\n"
                  ",40,,,\n");
    const CliResult r = runCli({"run", "--hours", (sheets_ / "bad.csv").string(), "--week",
                                "4/4/2008", "--post", busyRow, "--dir", folder_.path()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(folderBytes(folder_.path()) == before);
    EXPECT_FALSE(fs::exists(folder_ / "Backups"));
    const std::vector<std::string> expected{
        "line 3, nobody, employee: no such employee",
        "line 4, emp2, straight: \"4O\" is not a number",
        "line 5, emp1, employee: listed twice",
        "line 6, emp3, files:",
        "line 7, emp4, ot: \"1,5\" is not a number",
        "line 8, emp5, 2x:",
        "line 9, (no employee), employee:",
    };
    for (const std::string& e : expected) {
        EXPECT_NE(r.err.find(e), std::string::npos) << e << "\n" << r.err;
    }
    if (emp0HasRows) {
        // Every generated ledger with posted rows holds row 1.
        for (const EmployeeBooks& b : staff_) {
            if (b.name == "emp1" && firstFreeRow(b) > 1) {
                EXPECT_NE(r.err.find("line 2, emp1, post: row 1 already holds"), std::string::npos)
                    << r.err;
            }
        }
    }
}

TEST_F(PayRunTest, SheetsThatCannotBeReadAreRefused) {
    const auto before = folderBytes(folder_.path());
    const std::vector<std::pair<const char*, const char*>> sheets{
        {"no employee column", "name,straight\nemp1,40\n"},
        {"unknown column", "employee,hours\nemp1,40\n"},
        {"column twice", "employee,ot,ot\nemp1,1,2\n"},
        {"broken quotes", "employee,straight\n\"emp1,40\n"},
        {"empty", ""},
    };
    for (const auto& [what, text] : sheets) {
        sheets_.write("s.csv", text);
        const CliResult r = runCli({"run", "--hours", (sheets_ / "s.csv").string(), "--week",
                                    "4/4/2008", "--dir", folder_.path()});
        EXPECT_EQ(r.exitCode, 1) << what;
        EXPECT_NE(r.err.find("s.csv"), std::string::npos) << what << ": " << r.err;
    }
    EXPECT_TRUE(folderBytes(folder_.path()) == before);
}

std::vector<std::string> lockFilesIn(const fs::path& folder) {
    std::vector<std::string> locks;
    for (const auto& [name, bytes] : folderBytes(folder)) {
        if (isLockFileName(name)) locks.push_back(name);
    }
    return locks;
}

// A sheet saved as "CSV UTF-8" starts with a byte-order mark; it was an unknown column.
TEST_F(PayRunTest, ASheetWithAByteOrderMarkIsRead) {
    sheets_.write("bom.csv",
                  "\xEF\xBB\xBF"
                  "employee,straight\r\nemp1,40\r\n");
    const CliResult r = runCli({"run", "--hours", (sheets_ / "bom.csv").string(), "--week",
                                "4/4/2008", "--dir", folder_.path()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err.find("unknown column"), std::string::npos) << r.err;
}

// Cells beyond the heading were dropped unseen; shifted, they would pay other entries.
TEST_F(PayRunTest, ARowWithMoreCellsThanTheHeadingIsABadRow) {
    const auto before = folderBytes(folder_.path());
    sheets_.write("wide.csv", "employee,straight\nemp1,40\nemp2,40,4\nemp3,38,,1\n");
    const CliResult r = runCli({"run", "--hours", (sheets_ / "wide.csv").string(), "--week",
                                "4/4/2008", "--dir", folder_.path()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("line 3, emp2, cells: 1 cell more than the heading"), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("line 4, emp3, cells: 2 cells more"), std::string::npos) << r.err;
    EXPECT_TRUE(folderBytes(folder_.path()) == before);
}

// The names are checked before any lock is taken: a sheet of mistyped names, killed while it
// is checked, leaves no lock file.
TEST_F(PayRunTest, UnknownNamesNeverGetALockFile) {
    std::string csv = "employee,straight\n";
    for (int i = 0; i < 10000; ++i) csv += "nobody" + std::to_string(i) + ",40\n";
    csv += "emp1,40\n";
    sheets_.write("typos.csv", csv);
    runCliKilledAfter({"run", "--hours", (sheets_ / "typos.csv").string(), "--week", "4/4/2008",
                       "--dir", folder_.path().string()},
                      std::chrono::milliseconds(300));
    EXPECT_EQ(lockFilesIn(folder_.path()), std::vector<std::string>{});
}

// The pay run in another process, killed after `delay` (never, if none).
void runKilledAfter(const fs::path& sheet, const fs::path& folder,
                    std::optional<std::chrono::steady_clock::duration> delay) {
    runCliKilledAfter({"run", "--hours", sheet.string(), "--week", weekOf(0), "--post", "next",
                       "--dir", folder.string()},
                      delay);
}

TEST_F(PayRunTest, KilledRunLeavesEachEmployeeBeforeOrAfterAndTheBackupRestoresTheFolder) {
    const auto entries = weekEntries(staff_, 0);
    sheets_.write("week.csv", hoursCsv(entries));
    // The figures of a whole run, on a copy, and how long it takes.
    TempFolder whole;
    copyFolderFiles(folder_.path(), whole.path());
    const auto start = std::chrono::steady_clock::now();
    runKilledAfter(sheets_ / "week.csv", whole.path(), std::nullopt);
    const auto took = std::chrono::steady_clock::now() - start;
    const auto after = folderBytes(whole.path());
    const auto before = folderBytes(folder_.path());
    TempFolder original;
    copyFolderFiles(folder_.path(), original.path());
    // Whoever the run pays, these two are read while the folder recovers.
    const std::string ledgerOf = staff_.at(3).name;
    const std::string calcOf = staff_.at(7).name;
    const SeenAtOnce seenBefore = readAtOnce(original.path(), ledgerOf, calcOf, "2008Q2");
    const SeenAtOnce seenAfter = readAtOnce(whole.path(), ledgerOf, calcOf, "2008Q2");
    ASSERT_NE(seenBefore.ledger, seenAfter.ledger);

    // Kill moments spread over the whole run: its checks, its backup, its employees and the
    // moving of their files.
    constexpr int kMoments = 8;
    for (int k = 1; k <= kMoments; ++k) {
        const auto delay = took * k / (kMoments + 1);
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(delay).count();
        TempFolder run;
        copyFolderFiles(folder_.path(), run.path());
        runKilledAfter(sheets_ / "week.csv", run.path(), delay);

        // Three commands at once, each finishing what the run left before it reads.
        const SeenAtOnce seen = readAtOnce(run.path(), ledgerOf, calcOf, "2008Q2");
        EXPECT_TRUE(seen.ledger == seenBefore.ledger || seen.ledger == seenAfter.ledger)
            << "killed after " << ms << " ms: " << seen.ledger;
        EXPECT_TRUE(seen.calc == seenBefore.calc || seen.calc == seenAfter.calc)
            << "killed after " << ms << " ms: " << seen.calc;
        ASSERT_EQ(seen.registerEmployees.size(), seenBefore.registerEmployees.size()) << ms;
        for (std::size_t i = 0; i < seen.registerEmployees.size(); ++i) {
            const auto& e = seen.registerEmployees[i];
            EXPECT_TRUE(e == seenBefore.registerEmployees[i] || e == seenAfter.registerEmployees[i])
                << "killed after " << ms << " ms: " << e.dump();
        }

        // A clerk posts a period for the first employee right after the kill: the command
        // completes the stopped move first, so the next backup and run keep her period.
        const EmployeeBooks& clerks = staff_.front();
        const std::string lastRow = clerks.profile.isBiWeekly() ? "26" : "52";
        const CliResult posted = runCli({"calc", "--user", clerks.name, "--straight", "8", "--week",
                                         "12/26/2008", "--post", lastRow, "--dir", run.path()});
        ASSERT_EQ(posted.exitCode, 0) << posted.err;
        ASSERT_EQ(runCli({"backup", "--dir", run.path(), "--to", (sheets_ / "x.tar.gz").string()})
                      .exitCode,
                  0);
        // And clears the locks the killed run left.
        EXPECT_EQ(lockFilesIn(run.path()), std::vector<std::string>{}) << ms << " ms";
        const auto now = folderBytes(run.path());
        int done = 0;
        const auto ledger = runCli({"ledger", "--user", clerks.name, "--dir", run.path()});
        EXPECT_NE(ledger.out.find("12/26/2008"), std::string::npos) << ms << " ms";
        for (const EmployeeBooks& b : staff_) {
            if (b.name == clerks.name) continue;  // her files hold the period posted since
            const auto mine = employeeFileBytes(run.path(), b.name);
            const bool isBefore = mine == employeeFileBytes(original.path(), b.name);
            const bool isAfter = mine == employeeFileBytes(whole.path(), b.name);
            EXPECT_TRUE(isBefore || isAfter) << b.name << " after " << ms << " ms";
            done += isAfter && !isBefore ? 1 : 0;
        }
        // Restoring the run's own backup gives the folder back as it was.
        // A run killed while it wrote its backup leaves no finished archive, only a temporary.
        if (!fs::exists(run / "Backups")) continue;
        fs::path backup;
        for (const auto& entry : fs::directory_iterator(run / "Backups")) {
            const std::string name = entry.path().filename().string();
            if (name.size() > 7 && name.substr(name.size() - 7) == ".tar.gz") backup = entry.path();
        }
        if (backup.empty()) continue;
        ASSERT_EQ(runCli({"backup", "--restore", backup, "--yes", "--dir", run.path()}).exitCode,
                  0);
        EXPECT_EQ(differingFiles(run.path(), original.path()), std::vector<std::string>{})
            << done << " employees were done";
    }
}

}  // namespace
}  // namespace corvanta::testing

// A restore killed at many moments: the commands that run next, several at once, see every
// employee wholly as she was before the restore or wholly as the backup holds her, and a
// period posted after the kill survives the next backup.
#include <gtest/gtest.h>

#include <chrono>

#include "support/child_process.h"
#include "support/cli_runner.h"
#include "support/employee_folder.h"
#include "support/folder_bytes.h"
#include "support/reads_at_once.h"
#include "support/temp_folder.h"

namespace corvanta::testing {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kEmployees = 24;

std::string employeeName(int i) { return "Staff " + std::to_string(i); }

// Pays everyone `hours` for the week through the pay run.
void payWeek(const fs::path& folder, const TempFolder& sheets, const std::string& week, int hours) {
    std::string csv = "employee,straight\n";
    for (int i = 0; i < kEmployees; ++i) {
        csv += employeeName(i) + "," + std::to_string(hours + i % 5) + "\n";
    }
    sheets.write("week.csv", csv);
    const CliResult r = runCli({"run", "--hours", (sheets / "week.csv").string(), "--week", week,
                                "--post", "next", "--dir", folder.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
}

SeenAtOnce seenAtOnce(const fs::path& folder) {
    return readAtOnce(folder, employeeName(3), employeeName(7), "2008Q2");
}

class RestoreKillTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_.copyFederalTable();
        for (int i = 0; i < kEmployees; ++i) {
            ASSERT_EQ(runCli({"new", employeeName(i), "--dir", folder_.path().string()}).exitCode,
                      0);
        }
        ASSERT_NO_FATAL_FAILURE(payWeek(folder_.path(), sheets_, "4/4/2008", 40));
        archive_ = sheets_ / "week one.tar.gz";
        ASSERT_EQ(runCli({"backup", "--to", archive_.string(), "--dir", folder_.path().string()})
                      .exitCode,
                  0);
        // The folder as it is when the clerk restores: a week later.
        ASSERT_NO_FATAL_FAILURE(payWeek(folder_.path(), sheets_, "4/11/2008", 30));
    }

    // Restores the archive into a copy of the folder, killed after `delay` (never, if none).
    void restoreInto(const fs::path& folder, std::optional<Clock::duration> delay) const {
        const int status = runCliKilledAfter(
            {"backup", "--restore", archive_.string(), "--yes", "--dir", folder.string()}, delay);
        if (!delay) {
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
    }

    TempFolder folder_;
    TempFolder sheets_;
    fs::path archive_;
};

TEST_F(RestoreKillTest, CommandsAfterAKillSeeEachEmployeeWhollyBeforeOrAfterAndKeepNewWork) {
    TempFolder before;
    copyFolderFiles(folder_.path(), before.path());
    TempFolder after;
    copyFolderFiles(folder_.path(), after.path());
    const auto start = Clock::now();
    ASSERT_NO_FATAL_FAILURE(restoreInto(after.path(), std::nullopt));
    const auto whole = Clock::now() - start;
    const SeenAtOnce seenBefore = seenAtOnce(before.path());
    const SeenAtOnce seenAfter = seenAtOnce(after.path());
    ASSERT_NE(seenBefore.ledger, seenAfter.ledger) << "the restore must change the ledger";

    // Kill moments spread over the whole restore, from its start to its last file.
    constexpr int kMoments = 12;
    int momentsRestored = 0;
    for (int k = 1; k <= kMoments; ++k) {
        const auto delay = whole * k / (kMoments + 1);
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(delay).count();
        TempFolder run;
        copyFolderFiles(folder_.path(), run.path());
        ASSERT_NO_FATAL_FAILURE(restoreInto(run.path(), delay));

        const SeenAtOnce seen = seenAtOnce(run.path());
        EXPECT_TRUE(seen.ledger == seenBefore.ledger || seen.ledger == seenAfter.ledger)
            << "killed after " << ms << " ms: " << seen.ledger;
        EXPECT_TRUE(seen.calc == seenBefore.calc || seen.calc == seenAfter.calc)
            << "killed after " << ms << " ms: " << seen.calc;
        ASSERT_EQ(seen.registerEmployees.size(), static_cast<std::size_t>(kEmployees));
        for (std::size_t i = 0; i < seen.registerEmployees.size(); ++i) {
            const auto& e = seen.registerEmployees[i];
            EXPECT_TRUE(e == seenBefore.registerEmployees[i] || e == seenAfter.registerEmployees[i])
                << "killed after " << ms << " ms: " << e.dump();
        }
        // All or nothing: a restore that wrote its journal is finished for every employee,
        // however many commands reach for the folder at once.
        int restored = 0;
        for (int i = 0; i < kEmployees; ++i) {
            const auto mine = employeeFileBytes(run.path(), employeeName(i));
            const bool wasBefore = mine == employeeFileBytes(before.path(), employeeName(i));
            const bool isAfter = mine == employeeFileBytes(after.path(), employeeName(i));
            EXPECT_TRUE(wasBefore || isAfter) << employeeName(i) << " after " << ms << " ms";
            restored += isAfter && !wasBefore ? 1 : 0;
        }
        EXPECT_TRUE(restored == 0 || restored == kEmployees)
            << restored << " of " << kEmployees << " restored, killed after " << ms << " ms";
        momentsRestored += restored == kEmployees ? 1 : 0;

        // A period posted now survives the next backup, which finishes nothing over it.
        const CliResult posted =
            runCli({"calc", "--user", employeeName(0), "--straight", "8", "--week", "12/26/2008",
                    "--post", "52", "--dir", run.path().string()});
        ASSERT_EQ(posted.exitCode, 0) << posted.err;
        ASSERT_EQ(runCli({"backup", "--to", (run / "later.tar.gz").string(), "--dir",
                          run.path().string()})
                      .exitCode,
                  0);
        const CliResult ledger =
            runCli({"ledger", "--user", employeeName(0), "--dir", run.path().string()});
        EXPECT_NE(ledger.out.find("12/26/2008"), std::string::npos) << ms << " ms";
    }
    RecordProperty("momentsRestored", momentsRestored);
}

}  // namespace
}  // namespace corvanta::testing

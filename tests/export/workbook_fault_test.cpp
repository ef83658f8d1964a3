// A workbook export that fails part way or is killed leaves the previous workbook whole.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <csignal>
#include <random>
#include <thread>

#include "base/core/user_error.h"
#include "export/ledger_workbook.h"
#include "support/child_process.h"
#include "support/payroll_fixture.h"
#include "support/print_scenario.h"

namespace corvanta::testing {
namespace {

class WorkbookFaults : public PayrollFixture {
  protected:
    void SetUp() override {
        PayrollFixture::SetUp();
        fillPrintScenario(ctx);
        ToExcel(ctx, book);
        old = readText(book);
        ctx.ledger.grid[5].grossText = "1234.56";  // the new version differs
    }
    // No file beside the workbook but the workbook itself (a killed export may leave a
    // hidden temporary file, which nothing reads).
    void expectOldWorkbookOrANewOne(const std::string& where) {
        const std::string now = readText(book);
        const bool whole = now == old || (now.size() > 1000 && now.substr(0, 2) == "PK" &&
                                          now.find("docProps/app.xml") != std::string::npos);
        EXPECT_TRUE(whole) << where << ": the workbook is " << now.size() << " bytes";
    }
    std::filesystem::path book = folder / "Dana Whitfield.xlsx";
    std::string old;
};

TEST_F(WorkbookFaults, WriteFailingPartWayKeepsTheOldWorkbookAndNamesIt) {
    for (const rlim_t limit : {0, 1, 100, 1000, 4000}) {
        const ChildResult result = inChild([&]() -> std::string {
            std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit small {};
            ::getrlimit(RLIMIT_FSIZE, &small);
            small.rlim_cur = limit;
            ::setrlimit(RLIMIT_FSIZE, &small);
            try {
                ToExcel(ctx, book);
                return "";
            } catch (const FileError& e) {
                return e.what();
            }
        });
        const std::string where = "limit " + std::to_string(limit);
        EXPECT_TRUE(result.exitedNormally) << where;
        EXPECT_NE(result.report.find("Dana Whitfield.xlsx"), std::string::npos) << where;
        EXPECT_TRUE(readText(book) == old) << where << ": the old workbook was replaced";
    }
}

TEST_F(WorkbookFaults, KilledAtRandomPointsLeavesAWholeWorkbook) {
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> delayMicros(0, 20000);
    for (int round = 0; round < 12; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (;;) ToExcel(ctx, book);
        }
        const int delay = delayMicros(random);
        std::this_thread::sleep_for(std::chrono::microseconds(delay));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        expectOldWorkbookOrANewOne("killed after " + std::to_string(delay) + " us");
    }
}

}  // namespace
}  // namespace corvanta::testing

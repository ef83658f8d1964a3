// The whole payroll: a pay run of 500 employees (calculate, post, durable saves, stubs and
// checks into their PDFs) and the year's register over them.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>
#include <filesystem>

#include "backup/folder_backup.h"
#include "payrun/week_pay_run.h"
#include "qtprint/run_document.h"
#include "session/payroll/pay_run.h"
#include "session/payroll/register_figures.h"
#include "session/print/amount_words.h"
#include "session/print/check_print.h"
#include "session/print/pay_stub.h"
#include "support/employee_folder.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;

constexpr int kStaff = 500;

void startGui() {
    static int argc = 1;
    static char name[] = "corvanta_bench";
    static char* argv[] = {name, nullptr};
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication instance(argc, argv);
}

// 500 generated employees, made once; each run works on a fresh copy.
const fs::path& staffFolder() {
    static const fs::path folder = [] {
        const fs::path f = fs::temp_directory_path() / "corvanta-run-bench-staff";
        fs::remove_all(f);
        fs::create_directories(f);
        fs::copy_file(fs::path(CORVANTA_DATA_DIR) / "Federal08.dtt", f / "Federal08.dtt");
        testing::EmployeeFolderMaker(500).make(f, kStaff);
        return f;
    }();
    return folder;
}

std::vector<HoursRow> weekRows() {
    std::vector<HoursRow> rows;
    for (int i = 0; i < kStaff; ++i) {
        HoursRow r;
        r.line = i + 2;
        r.employee = "emp" + std::to_string(i);
        r.boxes = {std::to_string(30 + i % 11), "", i % 3 == 0 ? "2" : "", "1", "", "", "", ""};
        rows.push_back(r);
    }
    return rows;
}

// A fresh copy, on the disk before the timing starts: a clerk's folder is there already, and
// the copy's own writes (and the freeing of the previous copy) are not the run's work.
fs::path freshCopy(const std::string& name) {
    const fs::path run = fs::temp_directory_path() / name;
    fs::remove_all(run);
    fs::copy(staffFolder(), run);
    ::sync();
    return run;
}

PayRunOutcome runWithPrintouts(const fs::path& folder, const fs::path& out) {
    RunDocument stubs;
    RunDocument checks;
    PayRunPrinters printers;
    printers.stub = [&stubs](PayrollContext& ctx) {
        ctx.check = CheckWindow{};
        stubs.startPrintout();
        PrintText(ctx, stubs, "4/4/2008");
    };
    printers.check = [&checks](PayrollContext& ctx) {
        ctx.check = CheckWindow{};
        loadCheckWindow(ctx);
        checks.startPrintout();
        PrintCheck(ctx, checks, CheckOffsetTexts{});
    };
    const PayRunRequest request{folder, "4/4/2008", std::nullopt, "4/4/2008", {}};
    PayRunOutcome outcome = runPayPeriod(request, weekRows(), printers);
    stubs.save(out / "stubs.pdf");
    checks.save(out / "checks.pdf");
    return outcome;
}

void BM_PayRun500(benchmark::State& state) {
    startGui();
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path run = freshCopy("corvanta-run-bench");
        state.ResumeTiming();
        const PayRunOutcome outcome = runWithPrintouts(run, run);
        if (!outcome.failedEmployee.empty()) state.SkipWithError(outcome.failure.c_str());
    }
}
BENCHMARK(BM_PayRun500)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same run without the printouts: what the calculations and the saves take.
void BM_PayRun500WithoutPrintouts(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path run = freshCopy("corvanta-run-bench");
        state.ResumeTiming();
        const PayRunRequest request{run, "4/4/2008", std::nullopt, "4/4/2008", {}};
        const PayRunOutcome outcome = runPayPeriod(request, weekRows(), PayRunPrinters{});
        if (!outcome.failedEmployee.empty()) state.SkipWithError(outcome.failure.c_str());
    }
}
BENCHMARK(BM_PayRun500WithoutPrintouts)->Unit(benchmark::kMillisecond)->Iterations(3);

// What `corvanta-cli run` and the window's Pay do: the checks of every row, the backup, the
// run, and the stubs and checks, each into one PDF.
void BM_WeekPayRun500(benchmark::State& state) {
    startGui();
    // Each run pays a copy made before the timing; none is removed until the end, since
    // files freed just before would slow the run's own file creation.
    std::vector<fs::path> copies;
    for (int i = 0; i < 3; ++i)
        copies.push_back(freshCopy("corvanta-week-bench-" + std::to_string(i)));
    std::size_t next = 0;
    for (auto _ : state) {
        const fs::path& run = copies.at(next++ % copies.size());
        const PayRunRequest request{run, "4/4/2008", std::nullopt, "4/4/2008", {}};
        const WeekPayRun paid =
            payWeek(request, weekRows(), PayRunPrintouts{true, true, std::nullopt}, {}, 0);
        savePrintoutPdfs({{&paid.stubs, run / "stubs.pdf"}, {&paid.checks, run / "checks.pdf"}});
        if (paid.ending != PayRunEnding::Paid) state.SkipWithError("the run did not pay");
    }
    for (const fs::path& copy : copies) fs::remove_all(copy);
}
BENCHMARK(BM_WeekPayRun500)->Unit(benchmark::kMillisecond)->Iterations(3);

// Its parts: the checks alone, the backup alone, the printouts alone.
void BM_WeekPayRun500Checks(benchmark::State& state) {
    const fs::path run = freshCopy("corvanta-week-bench");
    const PayRunRequest request{run, "4/4/2008", std::nullopt, "4/4/2008", {}};
    for (auto _ : state) benchmark::DoNotOptimize(checkPayRun(request, weekRows()));
}
BENCHMARK(BM_WeekPayRun500Checks)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WeekPayRun500Backup(benchmark::State& state) {
    const fs::path run = freshCopy("corvanta-week-bench");
    for (auto _ : state) benchmark::DoNotOptimize(writeDatedBackup(run, 0));
}
BENCHMARK(BM_WeekPayRun500Backup)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WeekPayRun500Printouts(benchmark::State& state) {
    startGui();
    const fs::path run = freshCopy("corvanta-week-bench");
    const PayRunRequest request{run, "4/4/2008", std::nullopt, "4/4/2008", {}};
    const WeekPayRun paid =
        payWeek(request, weekRows(), PayRunPrintouts{true, true, std::nullopt}, {}, 0);
    for (auto _ : state) {
        savePrintoutPdfs({{&paid.stubs, run / "stubs.pdf"}, {&paid.checks, run / "checks.pdf"}});
    }
}
BENCHMARK(BM_WeekPayRun500Printouts)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_YearRegister500(benchmark::State& state) {
    startGui();
    static const fs::path run = [] {
        const fs::path f = freshCopy("corvanta-register-bench");
        runWithPrintouts(f, f);
        return f;
    }();
    for (auto _ : state) {
        const PayrollRegister reg =
            buildRegister(readPayrollFolder(run), registerPeriod(RegisterSpan::Year, "2008"));
        benchmark::DoNotOptimize(reg.w3.box1);
    }
}
BENCHMARK(BM_YearRegister500)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvanta

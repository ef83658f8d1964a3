#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>

#include "export/ledger_workbook.h"
#include "qtprint/pdf_output.h"
#include "session/core/calculate.h"
#include "session/print/check_print.h"
#include "session/print/ledger_report.h"
#include "session/print/pay_stub.h"
#include "session/ytd/ledger_ops.h"

namespace corvanta {
namespace {

QGuiApplication& app() {
    static int argc = 1;
    static char name[] = "corvanta_bench";
    static char* argv[] = {name, nullptr};
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication instance(argc, argv);
    return instance;
}

// An employee with a calculated period and a full weekly ledger, in a folder of its own.
PayrollContext printedEmployee() {
    app();
    PayrollContext ctx;
    ctx.folder = std::filesystem::temp_directory_path() / "corvanta-print-bench";
    std::filesystem::create_directories(ctx.folder);
    std::filesystem::copy_file(std::filesystem::path(CORVANTA_DATA_DIR) / "Federal08.dtt",
                               ctx.folder / "Federal08.dtt",
                               std::filesystem::copy_options::overwrite_existing);
    ctx.durableWrites = false;
    ctx.UserFileBase = "PrintBench";
    ctx.profile.HourlyRate = 18.75f;
    ctx.heading = {"Harbor Tool Works", "400 River St", "Troy, NY 12180", "EIN 14-1234567"};
    ctx.window.txtAmount = {"40", "", "2", "3.5", "", "", "25", ""};
    ctx.window.txtWeek = "1/5/2008";
    Calcu_late(ctx, CalculateOptions{.save = false});
    for (int row = 0; row < kLedgerRows; ++row) PasteMe(ctx, row);
    Update(ctx);
    AddAnnual(ctx);
    return ctx;
}

void BM_StubToPdf(benchmark::State& state) {
    PayrollContext ctx = printedEmployee();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            pdfDocument([&](PrintColumnModel& page) { PrintText(ctx, page, "1/5/2008"); }));
    }
}
BENCHMARK(BM_StubToPdf)->Unit(benchmark::kMillisecond);

void BM_CheckToPdf(benchmark::State& state) {
    PayrollContext ctx = printedEmployee();
    for (auto _ : state) {
        benchmark::DoNotOptimize(pdfDocument([&](PrintColumnModel& page) {
            PrintCheck(ctx, page, {"+2", "-1"});
        }));
    }
}
BENCHMARK(BM_CheckToPdf)->Unit(benchmark::kMillisecond);

void BM_WeeklyReportToPdf(benchmark::State& state) {
    const PayrollContext ctx = printedEmployee();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            pdfDocument([&](PrintColumnModel& page) { PrintYr(ctx, page, "1/5/2008"); }));
    }
}
BENCHMARK(BM_WeeklyReportToPdf)->Unit(benchmark::kMillisecond);

void BM_WorkbookExport(benchmark::State& state) {
    const PayrollContext ctx = printedEmployee();
    for (auto _ : state) ToExcel(ctx, ctx.folder / "PrintBench.xlsx");
}
BENCHMARK(BM_WorkbookExport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvanta
